// The check panel's layout of a legend on its sixteen swatches, and its titles.
// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(LegendSwatches, OneSwatchPerEntryUpToSixteenThenFurtherEntriesJoinTheSecondOnwards) {
  EXPECT_TRUE(legendSwatches({}).empty());
  EXPECT_EQ(legendSwatches(legendOf(3)),
            (std::vector<LegendSwatch>{{101, "1"}, {102, "2"}, {103, "3"}}));
  const std::vector<LegendSwatch> sixteen = legendSwatches(legendOf(16));
  ASSERT_EQ(sixteen.size(), 16U);
  EXPECT_EQ(sixteen.back(), (LegendSwatch{116, "16"}));
  // The first swatch keeps its entry; the 17th and 18th join swatches 1 and 2
  // and give them their colours.
  const std::vector<LegendSwatch> eighteen = legendSwatches(legendOf(18));
  ASSERT_EQ(eighteen.size(), 16U);
  EXPECT_EQ(std::vector(eighteen.begin(), eighteen.begin() + 4),
            (std::vector<LegendSwatch>{{101, "1"}, {117, "2 / 17"}, {118, "3 / 18"}, {104, "4"}}));
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
