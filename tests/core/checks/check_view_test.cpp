// The check panel's layout of a legend on its sixteen swatches, and its titles.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/check_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "checks/check_modes.h"

namespace korain::testing {
namespace {

Legend legendOf(int count) {
  Legend legend;
  for (int i = 1; i <= count; ++i) legend.push_back({.Colour = 100 + i, .Text = std::to_string(i)});
  return legend;
}

// The texts of a swatch's entries, in order.
std::vector<std::string> textsOf(const LegendSwatch& swatch) {
  std::vector<std::string> texts;
  for (const LegendEntry& entry : swatch.Entries) texts.push_back(entry.Text);
  return texts;
}

TEST(LegendSwatches, OneSwatchPerEntryUpToSixteenThenFurtherEntriesJoinTheSecondOnwards) {
  EXPECT_TRUE(legendSwatches({}).empty());
  const Legend three = legendOf(3);
  const std::vector<LegendSwatch> threeSwatches = legendSwatches(three);
  ASSERT_EQ(threeSwatches.size(), 3U);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(threeSwatches[k].Entries, Legend{three[k]});
  EXPECT_EQ(legendSwatches(legendOf(16)).size(), 16U);
  // The first swatch keeps its entry; the 17th and 18th join swatches 1 and 2.
  const std::vector<LegendSwatch> eighteen = legendSwatches(legendOf(18));
  ASSERT_EQ(eighteen.size(), 16U);
  EXPECT_EQ(textsOf(eighteen[0]), std::vector<std::string>{"1"});
  EXPECT_EQ(textsOf(eighteen[1]), (std::vector<std::string>{"2", "17"}));
  EXPECT_EQ(textsOf(eighteen[2]), (std::vector<std::string>{"3", "18"}));
  EXPECT_EQ(textsOf(eighteen[3]), std::vector<std::string>{"4"});
  // A third round comes back to swatch 1 again, not to swatch 0.
  EXPECT_EQ(textsOf(legendSwatches(legendOf(31))[1]), (std::vector<std::string>{"2", "17"}));
  EXPECT_EQ(textsOf(legendSwatches(legendOf(32))[1]), (std::vector<std::string>{"2", "17", "32"}));
}

// However long the legend, every entry is on exactly one swatch with its own
// colour, and a swatch's colour is its first entry's: a joined entry never
// lends a shared swatch its colour.
TEST(LegendSwatches, EveryEntryKeepsItsOwnColourAndTheSwatchItsFirstEntrys) {
  for (const int count : {1, 15, 16, 17, 18, 31, 40}) {
    SCOPED_TRACE(count);
    const Legend legend = legendOf(count);
    Legend onSwatches;
    for (const LegendSwatch& swatch : legendSwatches(legend)) {
      ASSERT_FALSE(swatch.Entries.empty());
      EXPECT_EQ(swatch.colour(), swatch.Entries.front().Colour);
      onSwatches.insert(onSwatches.end(), swatch.Entries.begin(), swatch.Entries.end());
    }
    std::ranges::sort(onSwatches, {}, &LegendEntry::Colour);
    EXPECT_EQ(onSwatches, legend);
  }
}

TEST(CheckTitle, NamesTheChecksOfTheMenuOnly) {
  EXPECT_EQ(checkTitle(check_mode::kBracketLength), "Check bracket length");
  EXPECT_EQ(checkTitle(check_mode::kSectionModulus), "Check section modulus");
  EXPECT_EQ(checkTitle(1), "");
}

}  // namespace
}  // namespace korain::testing
