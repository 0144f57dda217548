// Fuzz target of the section reader: any bytes must read without harm, and
// what was read must keep within the limits the reader promises.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "section/section_format.h"
#include "section/section_reader.h"

namespace {

using korain::fuzz::check;

void checkLimits(const korain::Section& s) {
  check(s.Panels.count() <= korain::kMaxSectionListLength);
  check(s.Compartments.count() <= korain::kMaxSectionListLength);
  for (const korain::SectionPanel& p : s.Panels) {
    check(p.Nodes.count() <= korain::kMaxSectionListLength);
    for (const korain::SectionStiffener& stiffener : p.Stiffeners) {
      check(stiffener.Ends.count() <= korain::kMaxStiffenerEnds);
    }
  }
  for (const korain::SectionCompartment& c : s.Compartments) {
    // A section block's line holds kMaxNodeRefs; an arrangement's contour one more than its nodes.
    check(c.NodeRefs.count() <= korain::kMaxSectionListLength + 1);
    check(!c.NodeList.isDimensioned());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const korain::Integer block : {korain::Integer{1}, korain::Integer{2}}) {
    for (const korain::Arrangements arrangements :
         {korain::Arrangements::ReadAsSections, korain::Arrangements::Refuse}) {
      korain::Section section;
      const korain::SectionReadResult result =
          korain::readSectionFromBytes(bytes, "fuzz.ko2", block, section, arrangements);
      if (!result.found()) {
        check(result.version < 0);
        check(section == korain::Section{});
        check(!result.messages.empty());
        continue;
      }
      checkLimits(section);
    }
  }
  return 0;
}
