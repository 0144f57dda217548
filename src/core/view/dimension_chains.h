// The dimension chains of a bulkhead drawing: the stiffener stations and the
// levels of primary members, stools and band seams, with consecutive equal
// spacings grouped as a drawing office writes them ("18 × 800 = 14 400").
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/arrangement.h"

namespace korain {

// Where a chain runs: under the bulkhead, its stations being y; or beside its
// outer side, its stations being levels z.
enum class ChainSide { Bottom, Side };

// Consecutive spacings of one length in millimetres, from station `first` to
// station `first + count`, and the text that states them.
struct SpacingGroup {
  std::size_t first = 0;
  std::size_t count = 0;
  long long spacing = 0;
  std::string text;

  bool operator==(const SpacingGroup&) const = default;
};

struct DimensionChain {
  ChainSide side = ChainSide::Bottom;
  std::vector<double> stations;  // metres, increasing, at least a millimetre apart
  std::vector<SpacingGroup> groups;

  bool operator==(const DimensionChain&) const = default;
};

// The chain through the marks between the bulkhead's edges `low` and `high`:
// the edges, the centre or base line (0) where it lies between them, and every
// mark within them, rounded to the millimetre. Marks that are not numbers or
// lie outside the edges are left out; without two distinct edges, numbers
// within a hundred kilometres of the origin, there is no station at all.
DimensionChain chainThrough(ChainSide side, const std::vector<double>& marks, double low,
                            double high);

// The bulkhead's chains, on each side the one nearest the bulkhead first:
// the ordinary stiffeners' stations along the bottom (vertical stiffeners) or
// along the side (horizontal ones), then the levels of the horizontal primary
// members, the enabled stools and the band seams along the side. A chain with
// nothing between its edges is left out.
std::vector<DimensionChain> dimensionChains(const Bulkhead& bulkhead);

// "800" for one spacing, "18 × 800 = 14 400" for several; thousands set off
// by a blank.
std::string spacingText(std::size_t count, long long spacing);

}  // namespace korain
