// Working out a bulkhead's dimension chains, with equal spacings grouped, from its stations.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dimension_chains.h"

#include <algorithm>
#include <cmath>

#include "model/codes.h"

namespace korain {
namespace {

constexpr double kMillimetresPerMetre = 1000;
// No ship measures a hundred kilometres: beyond that a coordinate is corrupt
// data, and its millimetres would overflow the texts' arithmetic.
constexpr double kFarthest = 1e5;
// "×" in UTF-8.
constexpr const char* kTimes = "\xC3\x97";

long long millimetresOf(double metres) { return std::llround(metres * kMillimetresPerMetre); }

// 14400 as "14 400".
std::string withThousands(long long value) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -value : value);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, " ");
  return negative ? "-" + digits : digits;
}

bool isPlausible(double value) { return std::abs(value) <= kFarthest; }

bool isWithin(double value, double low, double high) {
  return isPlausible(value) && value >= low && value <= high;
}

std::vector<SpacingGroup> groupsOf(const std::vector<long long>& stations) {
  std::vector<SpacingGroup> groups;
  for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
    const long long spacing = stations[i + 1] - stations[i];
    if (!groups.empty() && groups.back().spacing == spacing) {
      ++groups.back().count;
    } else {
      groups.push_back({.first = i, .count = 1, .spacing = spacing, .text = {}});
    }
  }
  for (SpacingGroup& group : groups) group.text = spacingText(group.count, group.spacing);
  return groups;
}

// The primary members across the stiffeners of a horizontal-stiffener
// bulkhead run upright and have no level.
std::vector<double> levelMarks(const Bulkhead& bulkhead) {
  std::vector<double> marks;
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    if (member.HV == kHorizontal) marks.push_back(member.Placed);
  }
  if (bulkhead.Stool1Enabled) marks.push_back(bulkhead.Stool1Z);
  if (bulkhead.Stool2Enabled) marks.push_back(bulkhead.Stool2Z);
  for (const StrakeBand& band : bulkhead.StrakeBands) marks.push_back(band.Z);
  return marks;
}

}  // namespace

std::string spacingText(std::size_t count, long long spacing) {
  if (count == 1) return withThousands(spacing);
  return std::to_string(count) + " " + kTimes + " " + withThousands(spacing) + " = " +
         withThousands(static_cast<long long>(count) * spacing);
}

DimensionChain chainThrough(ChainSide side, const std::vector<double>& marks, double low,
                            double high) {
  DimensionChain chain{.side = side, .stations = {}, .groups = {}};
  if (!(isPlausible(low) && isPlausible(high) && millimetresOf(low) < millimetresOf(high))) {
    return chain;
  }
  std::vector<long long> stations{millimetresOf(low), millimetresOf(high)};
  if (low < 0 && high > 0) stations.push_back(0);
  for (const double mark : marks) {
    if (isWithin(mark, low, high)) stations.push_back(millimetresOf(mark));
  }
  std::sort(stations.begin(), stations.end());
  stations.erase(std::unique(stations.begin(), stations.end()), stations.end());
  for (const long long at : stations) {
    chain.stations.push_back(static_cast<double>(at) / kMillimetresPerMetre);
  }
  chain.groups = groupsOf(stations);
  return chain;
}

std::vector<DimensionChain> dimensionChains(const Bulkhead& bulkhead) {
  std::vector<DimensionChain> chains;
  const auto keep = [&chains](ChainSide side, const std::vector<double>& marks, double low,
                              double high) {
    const bool anyWithin = std::any_of(marks.begin(), marks.end(),
                                       [&](double mark) { return isWithin(mark, low, high); });
    if (!anyWithin) return;
    DimensionChain chain = chainThrough(side, marks, low, high);
    if (!chain.groups.empty()) chains.push_back(std::move(chain));
  };
  std::vector<double> stiffeners;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    stiffeners.push_back(stiffener.Position);
  }
  if (bulkhead.stfHV == kVertical) {
    keep(ChainSide::Bottom, stiffeners, bulkhead.YMin, bulkhead.YMax);
  } else {
    keep(ChainSide::Side, stiffeners, bulkhead.ZMin, bulkhead.ZMax);
  }
  keep(ChainSide::Side, levelMarks(bulkhead), bulkhead.ZMin, bulkhead.ZMax);
  return chains;
}

}  // namespace korain
