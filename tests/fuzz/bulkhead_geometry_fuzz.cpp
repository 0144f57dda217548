// Fuzz target of the geometry: arrangements built straight from the bytes
// (coordinates on a coarse grid most of the time, raw floats such as NaN,
// infinities and huge values otherwise) must compute, colour and pick without
// harm, and computing the computed data again must change nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

#include "checks/check_modes.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "fuzz_support.h"
#include "geometry/compute_geometry.h"
#include "geometry/corrugation_geometry.h"
#include "geometry/picking.h"

namespace {

using korain::fuzz::check;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

  int count(int most) { return byte() % (most + 1); }

  // A byte below 240 gives a multiple of 0.5 m from -20 to 99.5; the rest
  // take the next four bytes as a float, whatever it holds.
  korain::Single value() {
    const std::uint8_t kind = byte();
    if (kind < 240) return static_cast<korain::Single>(kind) / 2 - 20;
    std::uint8_t raw[4] = {byte(), byte(), byte(), byte()};
    korain::Single result = 0;
    std::memcpy(&result, raw, sizeof result);
    return result;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

korain::Bulkhead bulkhead(Bytes& bytes) {
  korain::Bulkhead b;
  b.Name = "Fuzz";
  b.stfHV = bytes.count(1);
  b.Stool1Enabled = bytes.count(3) == 0;
  b.Stool1Z = bytes.value();
  b.Stool2Enabled = bytes.count(3) == 0;
  b.Stool2Z = bytes.value();
  for (int i = bytes.count(12); i > 0; --i) {
    korain::Node& node = b.Nodes.append();
    node.Y = bytes.value();
    node.Z = bytes.value();
    node.ShCur = bytes.count(4);
    if (node.ShCur >= 3) {
      node.ShYT = bytes.value();
      node.ShZT = bytes.value();
      node.ShR = bytes.value();
    }
  }
  for (int i = bytes.count(4); i > 0; --i) {
    korain::PrimaryMember& member = b.PrimaryMembers.append();
    member.Position = bytes.value();
    member.HV = bytes.count(1);
  }
  for (int i = bytes.count(6); i > 0; --i) {
    korain::OrdinaryStiffener& stiffener = b.Stiffeners.append();
    stiffener.Position = bytes.value();
    stiffener.Spans.redim(bytes.count(3));
    stiffener.Brackets.at(1).Enabled = bytes.count(1) == 1;
    stiffener.Brackets.at(1).Length = bytes.value();
  }
  for (int i = bytes.count(3); i > 0; --i) {
    korain::StrakeBand& band = b.StrakeBands.append();
    band.Z = bytes.value();
    for (int t = bytes.count(3); t > 0; --t) {
      korain::Strake& strake = band.Strakes.append();
      strake.Y = bytes.value();
      strake.Th = bytes.value();
      strake.iMat = static_cast<korain::Integer>(bytes.count(3));
    }
  }
  if (bytes.count(1) == 1) {
    b.Corr.Start = bytes.value();
    b.Corr.S1 = bytes.value();
    b.Corr.A = bytes.value();
  }
  return b;
}

void requireSorted(const korain::List<korain::Single>& values) {
  check(std::is_sorted(values.begin(), values.end()));
}

void requireConsistent(const korain::Arrangement& arrangement) {
  for (const korain::Bulkhead& b : arrangement.Bulkheads) {
    for (const korain::PrimaryMember& member : b.PrimaryMembers) requireSorted(member.Extremities);
    for (const korain::OrdinaryStiffener& stiffener : b.Stiffeners) {
      requireSorted(stiffener.Extremities);
      check(stiffener.Spans.count() == std::max(0, stiffener.Extremities.count() - 1));
    }
    check(b.Corr.S1 == 0 || b.CorrugationLines.count() <= korain::kMaxCorrugationLines);
  }
}

// Every bulkhead computed in turn, as the editor's first computation does;
// all their messages, none dropped.
std::vector<korain::Message> computeEveryBulkhead(korain::Arrangement& arrangement) {
  std::vector<korain::Message> all;
  for (int i = 1; i <= arrangement.Bulkheads.count(); ++i) {
    for (korain::Message& m :
         korain::computeCheckedBulkhead(arrangement.Bulkheads.at(i), i, arrangement.SymFlag, 1)) {
      all.push_back(std::move(m));
    }
  }
  korain::chooseCurrentBulkhead(arrangement);
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  korain::Arrangement arrangement;
  arrangement.SymFlag = bytes.count(1);
  for (int i = 1 + bytes.count(1); i > 0; --i) arrangement.Bulkheads.append(bulkhead(bytes));

  const std::vector<korain::Message> first = computeEveryBulkhead(arrangement);
  requireConsistent(arrangement);

  // The computed data are a fixed point: computing them afresh changes
  // nothing, and reports what the first computation did (checked where every
  // value is a number, since NaN equals nothing).
  const korain::Arrangement computed = arrangement;
  const std::vector<korain::Message> second = computeEveryBulkhead(arrangement);
  if (computed == computed) {
    check(arrangement == computed);
    check(second == first);
  }

  const korain::List<korain::Long> palette = korain::defaultCheckPalette();
  for (const korain::Long mode : {0, 5, 6, 8, 9, 10, 11, 12}) {
    korain::buildLegend(arrangement, mode, palette, {}, [](std::string_view) {});
  }
  for (int i = 0; i < 4; ++i) {
    korain::PickTarget target;
    korain::findObject(arrangement, {bytes.value(), bytes.value()}, 0.05, 0xFF,
                       static_cast<korain::PanelCode>(bytes.count(7)), target);
  }
  return 0;
}
