// The check panel's layout of a legend on its sixteen swatches, and its titles.
#include "checks/check_view.h"

#include <gtest/gtest.h>

#include <string>

#include "checks/check_modes.h"

namespace korain::testing {
namespace {

Legend legendOf(int count) {
  Legend legend;
  for (int i = 1; i <= count; ++i) legend.push_back({.Colour = 100 + i, .Text = std::to_string(i)});
  return legend;
}

TEST(LegendSwatches, FillOneSwatchPerEntryUpToSixteen) {
  EXPECT_TRUE(legendSwatches({}).empty());
  const std::vector<LegendSwatch> three = legendSwatches(legendOf(3));
  EXPECT_EQ(three, (std::vector<LegendSwatch>{{101, "1"}, {102, "2"}, {103, "3"}}));
  const std::vector<LegendSwatch> sixteen = legendSwatches(legendOf(16));
  ASSERT_EQ(sixteen.size(), 16U);
  EXPECT_EQ(sixteen.back(), (LegendSwatch{116, "16"}));
}

TEST(LegendSwatches, EntriesBeyondSixteenJoinTheSecondSwatchOnwards) {
  const std::vector<LegendSwatch> swatches = legendSwatches(legendOf(18));
  ASSERT_EQ(swatches.size(), 16U);
  // The first swatch keeps its entry; the 17th and 18th join swatches 1 and 2
  // and give them their colours.
  EXPECT_EQ(swatches[0], (LegendSwatch{101, "1"}));
  EXPECT_EQ(swatches[1], (LegendSwatch{117, "2 / 17"}));
  EXPECT_EQ(swatches[2], (LegendSwatch{118, "3 / 18"}));
  EXPECT_EQ(swatches[3], (LegendSwatch{104, "4"}));
  // A third round comes back to swatch 1 again, not to swatch 0.
  EXPECT_EQ(legendSwatches(legendOf(31))[1].Label, "2 / 17");
  EXPECT_EQ(legendSwatches(legendOf(32))[1].Label, "2 / 17 / 32");
}

TEST(CheckTitle, NamesTheChecksOfTheMenuOnly) {
  EXPECT_EQ(checkTitle(check_mode::kBracketLength), "Check bracket length");
  EXPECT_EQ(checkTitle(1), "");
}

}  // namespace
}  // namespace korain::testing
