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

TEST(SpacingText, OneSpacingAloneSeveralAsCountTimesSpacingEqualsTotal) {
  const struct {
    std::size_t count;
    long long spacing;
    const char* text;
  } cases[] = {
      {1, 800, "800"},
      {1, 1250, "1 250"},
      {18, 800, "18 \xC3\x97 800 = 14 400"},
      {2, 125, "2 \xC3\x97 125 = 250"},
      {3, 1000000, "3 \xC3\x97 1 000 000 = 3 000 000"},
  };
  for (const auto& c : cases) EXPECT_EQ(spacingText(c.count, c.spacing), c.text) << c.text;
}

std::vector<long long> spacingsOf(const DimensionChain& chain) {
  std::vector<long long> spacings;
  for (const SpacingGroup& g : chain.groups) spacings.push_back(g.spacing);
  return spacings;
}

TEST(ChainThrough, GroupsConsecutiveEqualSpacingsFromTheCentreLineToTheEdge) {
  const struct {
    const char* name;
    std::vector<double> marks;
    double low, high;
    std::vector<double> stations;
    std::vector<std::string> texts;
  } cases[] = {
      {"equal run then the edge",
       {0.8, 1.6, 2.4, 3.2},
       0,
       4.0,
       {0, 0.8, 1.6, 2.4, 3.2, 4.0},
       {"5 \xC3\x97 800 = 4 000"}},
      {"unequal spacings",
       {0.7, 1.6, 2.4},
       0,
       3.0,
       {0, 0.7, 1.6, 2.4, 3.0},
       {"700", "900", "800", "600"}},
      {"two runs",
       {0.6, 1.2, 2.0, 2.8},
       0,
       3.6,
       {0, 0.6, 1.2, 2.0, 2.8, 3.6},
       {"2 \xC3\x97 600 = 1 200", "3 \xC3\x97 800 = 2 400"}},
      {"one stiffener", {1.5}, 0, 4.0, {0, 1.5, 4.0}, {"1 500", "2 500"}},
      {"the centre line inside a whole bulkhead",
       {-1.0, 1.0},
       -2.0,
       2.0,
       {-2.0, -1.0, 0, 1.0, 2.0},
       {"4 \xC3\x97 1 000 = 4 000"}},
      {"the edge as reference off the centre line",
       {3.0},
       2.0,
       5.0,
       {2.0, 3.0, 5.0},
       {"1 000", "2 000"}},
      {"marks rounded to the millimetre and merged",
       {0.8002, 0.7998, 1.6},
       0,
       2.4,
       {0, 0.8, 1.6, 2.4},
       {"3 \xC3\x97 800 = 2 400"}},
      {"absurd marks left out",
       {kNaN, -kInf, kInf, 1e30, -5.0, 1.0},
       0,
       2.0,
       {0, 1.0, 2.0},
       {"2 \xC3\x97 1 000 = 2 000"}},
  };
  for (const auto& c : cases) {
    const DimensionChain chain = chainThrough(ChainSide::Bottom, c.marks, c.low, c.high);
    ASSERT_EQ(chain.stations.size(), c.stations.size()) << c.name;
    for (std::size_t i = 0; i < c.stations.size(); ++i) {
      EXPECT_NEAR(chain.stations[i], c.stations[i], 1e-9) << c.name << " station " << i;
    }
    std::vector<std::string> texts;
    for (const SpacingGroup& g : chain.groups) texts.push_back(g.text);
    EXPECT_EQ(texts, c.texts) << c.name;
    // The groups cover the chain end to end: together they are its length.
    const std::vector<long long> spacings = spacingsOf(chain);
    long long total = 0;
    std::size_t next = 0;
    for (const SpacingGroup& g : chain.groups) {
      EXPECT_EQ(g.first, next) << c.name;
      next += g.count;
      total += static_cast<long long>(g.count) * g.spacing;
    }
    EXPECT_EQ(next + 1, chain.stations.size()) << c.name;
    EXPECT_EQ(total, std::llround((c.stations.back() - c.stations.front()) * 1000)) << c.name;
  }
}

TEST(ChainThrough, HasNoStationWithoutTwoDistinctPlausibleEdges) {
  for (const auto& [low, high] : std::vector<std::pair<double, double>>{
           {0, 0}, {2, 1}, {kNaN, 1}, {0, kInf}, {0, 0.0004}, {-1e30, 1e30}}) {
    EXPECT_TRUE(chainThrough(ChainSide::Side, {0.5}, low, high).stations.empty())
        << low << " " << high;
  }
}

Bulkhead bulkheadWithEdges() {
  Bulkhead b;
  b.YMin = 0;
  b.YMax = 8;
  b.ZMin = 2;
  b.ZMax = 14;
  return b;
}

TEST(DimensionChains, StiffenersAlongTheBottomAndLevelsAlongTheSide) {
  Bulkhead b = bulkheadWithEdges();
  b.stfHV = kVertical;
  for (const double y : {0.8, 1.6, 2.4, 3.2, 4.0, 4.8, 5.6, 6.4, 7.2}) {
    b.Stiffeners.append().Position = static_cast<Single>(y);
  }
  PrimaryMember& stringer = b.PrimaryMembers.append();
  stringer.HV = kHorizontal;
  stringer.Placed = 8;
  PrimaryMember& web = b.PrimaryMembers.append();  // upright: no level
  web.HV = kVertical;
  web.Placed = 4;
  b.Stool1Enabled = true;
  b.Stool1Z = 3.5F;
  b.Stool2Z = 12;  // a stool that is off has no level
  b.StrakeBands.append().Z = 6;
  b.StrakeBands.append().Z = 14;

  const std::vector<DimensionChain> chains = dimensionChains(b);
  ASSERT_EQ(chains.size(), 2U);
  EXPECT_EQ(chains[0].side, ChainSide::Bottom);
  EXPECT_EQ(chains[0].stations.size(), 11U);
  EXPECT_EQ(spacingsOf(chains[0]), std::vector<long long>{800});
  EXPECT_EQ(chains[0].groups[0].text, "10 \xC3\x97 800 = 8 000");
  EXPECT_EQ(chains[1].side, ChainSide::Side);
  EXPECT_EQ(chains[1].stations, (std::vector<double>{2, 3.5, 6, 8, 14}));
  EXPECT_EQ(spacingsOf(chains[1]), (std::vector<long long>{1500, 2500, 2000, 6000}));
}

TEST(DimensionChains, HorizontalStiffenersChainAlongTheSideNearestFirst) {
  Bulkhead b = bulkheadWithEdges();
  b.stfHV = kHorizontal;
  for (const double z : {4.0, 7.0, 10.0}) b.Stiffeners.append().Position = static_cast<Single>(z);
  b.StrakeBands.append().Z = 9;
  const std::vector<DimensionChain> chains = dimensionChains(b);
  ASSERT_EQ(chains.size(), 2U);
  EXPECT_EQ(chains[0].side, ChainSide::Side);
  EXPECT_EQ(chains[0].stations, (std::vector<double>{2, 4, 7, 10, 14}));
  ASSERT_EQ(chains[0].groups.size(), 3U);
  EXPECT_EQ(chains[0].groups[1].text, "2 \xC3\x97 3 000 = 6 000");
  EXPECT_EQ(chains[1].stations, (std::vector<double>{2, 9, 14}));
}

TEST(DimensionChains, NoChainWithoutMarksOrWithAbsurdOnes) {
  Bulkhead b = bulkheadWithEdges();
  b.stfHV = kVertical;
  EXPECT_TRUE(dimensionChains(b).empty());
  b.Stiffeners.append().Position = std::numeric_limits<Single>::quiet_NaN();
  b.Stiffeners.append().Position = 1e30F;
  EXPECT_TRUE(dimensionChains(b).empty());
  b.Stiffeners.append().Position = 3;
  ASSERT_EQ(dimensionChains(b).size(), 1U);
  EXPECT_EQ(dimensionChains(b)[0].stations, (std::vector<double>{0, 3, 8}));
  b.YMax = std::numeric_limits<Single>::quiet_NaN();  // geometry that could not be computed
  EXPECT_TRUE(dimensionChains(b).empty());
}

}  // namespace
}  // namespace korain
