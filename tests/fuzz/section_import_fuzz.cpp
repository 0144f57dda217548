// Fuzz target of the import of compartments: a section read from any bytes
// must compute and import without harm, and the arrangement built must keep
// the promises of the import: one bulkhead per compartment, contours as a
// bulkhead keeps them, the section's findings within their capacity.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "geometry/contour_arc.h"
#include "import/section_import.h"
#include "section/section_reader.h"

namespace {

using korain::fuzz::check;

void checkContour(const korain::Bulkhead& b) {
  for (int k = 1; k <= b.Nodes.count(); ++k) {
    const korain::Node& n = b.Nodes.at(k);
    check(n.Abs == static_cast<korain::Integer>(k));
    check(n.Inter == 0 && n.PCod >= 0);
    check(k == 1 ? n.ShCur == 0 : (n.ShCur != 0 && n.ShCur != 4 && n.ShCur != 5));
    if (k > 1) {
      // Consecutive equal points are kept once.
      check(!korain::isSamePoint(korain::pointOf(b.Nodes.at(k - 1)), korain::pointOf(n),
                                 korain::kGeometryTolerance));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const korain::Integer block : {korain::Integer{1}, korain::Integer{2}}) {
    korain::Section section;
    const korain::SectionReadResult read = korain::readSectionFromBytes(
        bytes, "fuzz.ko2", block, section, korain::Arrangements::ReadAsSections);
    if (!read.found()) continue;
    korain::Arrangement arrangement;
    arrangement.Name = "before";
    const korain::SectionImport result = korain::importSection(section, arrangement, {});
    check(result.messages.texts().size() <= korain::SectionMessages::kCapacity);
    if (!result.imported) {
      check(!section.Compartments.isDimensioned() && !result.warning.empty());
      check(arrangement.Name == "before");
      continue;
    }
    check(arrangement.Bulkheads.count() == section.Compartments.count());
    for (const korain::Bulkhead& b : arrangement.Bulkheads) {
      checkContour(b);
      check(b.Compartments.at(1) == b.Compartments.at(2) &&
            !b.Compartments.at(1).NodeList.isDimensioned());
    }
  }
  return 0;
}
