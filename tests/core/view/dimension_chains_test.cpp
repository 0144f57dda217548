// The dimension chains against hand-computed tables: stations, grouped
// spacings and their texts, and the marks a chain must leave out.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dimension_chains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/codes.h"

namespace korain {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<long long> millimetres(const DimensionChain& chain) {
  std::vector<long long> stations;
  for (const double s : chain.stations) stations.push_back(std::llround(s * 1000));
  return stations;
}

std::vector<std::string> textsOf(const DimensionChain& chain) {
  std::vector<std::string> texts;
  for (const SpacingGroup& g : chain.groups) texts.push_back(g.text);
  return texts;
}

TEST(ChainThrough, GroupsEqualSpacingsFromTheCentreLineToTheEdgeLeavingAbsurdMarksOut) {
  const struct {
    std::vector<double> marks;
    double low, high;
    std::vector<long long> stations;
    std::vector<std::string> texts;
  } cases[] = {
      {{0.8, 1.6, 2.4, 3.2}, 0, 4, {0, 800, 1600, 2400, 3200, 4000}, {"5 \xC3\x97 800 = 4 000"}},
      {{0.7, 1.6, 2.4}, 0, 3, {0, 700, 1600, 2400, 3000}, {"700", "900", "800", "600"}},
      {{0.6, 1.2, 2.0, 2.8},
       0,
       3.6,
       {0, 600, 1200, 2000, 2800, 3600},
       {"2 \xC3\x97 600 = 1 200", "3 \xC3\x97 800 = 2 400"}},
      {{1.5}, 0, 4, {0, 1500, 4000}, {"1 500", "2 500"}},  // one stiffener
      {{-1, 1}, -2, 2, {-2000, -1000, 0, 1000, 2000}, {"4 \xC3\x97 1 000 = 4 000"}},
      {{3}, 2, 5, {2000, 3000, 5000}, {"1 000", "2 000"}},  // off the centre line: from the edge
      {{0.8002, 0.7998, 1.6}, 0, 2.4, {0, 800, 1600, 2400}, {"3 \xC3\x97 800 = 2 400"}},
      {{kNaN, -kInf, kInf, 1e30, -5, 1}, 0, 2, {0, 1000, 2000}, {"2 \xC3\x97 1 000 = 2 000"}},
      {{1, 2, 3, 4}, 0, 3e6, {}, {}},  // an edge of corrupt data
      {{0.5}, 0, 0.0004, {}, {}},      // edges a millimetre apart at least
      {{0.5}, 2, 1, {}, {}},
      {{0.5}, kNaN, 1, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.low << " to " << c.high);
    const DimensionChain chain = chainThrough(ChainSide::Bottom, c.marks, c.low, c.high);
    EXPECT_EQ(millimetres(chain), c.stations);
    EXPECT_EQ(textsOf(chain), c.texts);
    // The groups tile the chain end to end.
    std::size_t next = 0;
    for (const SpacingGroup& g : chain.groups) {
      EXPECT_EQ(g.first, next);
      EXPECT_EQ(g.spacing, millimetres(chain).at(g.first + 1) - millimetres(chain).at(g.first));
      next += g.count;
    }
    EXPECT_EQ(next + (chain.stations.empty() ? 0 : 1), chain.stations.size());
  }
  EXPECT_EQ(spacingText(3, 1000000), "3 \xC3\x97 1 000 000 = 3 000 000");
}

TEST(DimensionChains, StiffenersUnderTheBulkheadOrBesideItThenTheLevels) {
  Bulkhead b;
  b.YMax = 8;
  b.ZMin = 2;
  b.ZMax = 14;
  b.stfHV = kVertical;
  EXPECT_TRUE(dimensionChains(b).empty());  // nothing to dimension
  b.Stiffeners.append().Position = std::numeric_limits<Single>::quiet_NaN();
  for (const double y : {4.0, 5.0, 6.0}) b.Stiffeners.append().Position = static_cast<Single>(y);
  PrimaryMember& stringer = b.PrimaryMembers.append();
  stringer.HV = kHorizontal;
  stringer.Placed = 8;
  PrimaryMember& web = b.PrimaryMembers.append();  // upright: no level
  web.HV = kVertical;
  web.Placed = 5;
  b.Stool1Enabled = true;
  b.Stool1Z = 3.5F;
  b.Stool2Z = 12;  // a stool that is off has no level
  b.StrakeBands.append().Z = 6;
  b.StrakeBands.append().Z = 14;

  std::vector<DimensionChain> chains = dimensionChains(b);
  ASSERT_EQ(chains.size(), 2U);
  EXPECT_EQ(chains[0].side, ChainSide::Bottom);
  EXPECT_EQ(textsOf(chains[0]),
            (std::vector<std::string>{"4 000", "2 \xC3\x97 1 000 = 2 000", "2 000"}));
  EXPECT_EQ(chains[1].side, ChainSide::Side);
  EXPECT_EQ(millimetres(chains[1]), (std::vector<long long>{2000, 3500, 6000, 8000, 14000}));

  // Horizontal stiffeners chain along the side, nearer the bulkhead than the levels.
  b.stfHV = kHorizontal;
  chains = dimensionChains(b);
  ASSERT_EQ(chains.size(), 2U);
  EXPECT_EQ(chains[0].side, ChainSide::Side);
  EXPECT_EQ(millimetres(chains[0]), (std::vector<long long>{2000, 4000, 5000, 6000, 14000}));
  EXPECT_EQ(millimetres(chains[1]), (std::vector<long long>{2000, 3500, 6000, 8000, 14000}));
}

}  // namespace
}  // namespace korain
