// The normalised scale of a printed drawing: the standard ratios, and the
// ratio at which a section fits the usable part of the sheet.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/print_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace korain::testing {
namespace {

TEST(PrintScale, StandardRatioIsTheNextOfTheSeriesAtOrAbove) {
  const std::pair<double, double> cases[] = {
      {14, 15},        {14.5, 15},  {15, 15},         {20.5, 25},   {25, 25},
      {33, 33.333336}, {33.34, 50}, {51, 100},        {99, 100},    {0.0151, 0.02},
      {0.5, 0.5},      {250, 250},  {251, 333.33336}, {1234, 1500}, {47000, 50000}};
  for (const auto& [ratio, standard] : cases) {
    EXPECT_NEAR(standardRatio(ratio), standard, standard * 1e-9) << ratio;
  }
  for (const double bad : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(standardRatio(bad), 1) << bad;
  }
}

TEST(PrintScale, WidthDecidesUnlessTheHeightOverflows) {
  struct Case {
    const char* what;
    double paperWidth, paperHeight, sectionWidth, sectionHeight;
    bool whole;
    double ratio;
  };

  const Case cases[] = {
      // 0.5 x 1.0 m usable: half of 20 m is 1:20, the whole width 40 → 1:50.
      {"half width", 52, 104, 20, 10, false, 20},
      {"whole width", 52, 104, 20, 10, true, 50},
      // 1.0 x 0.2 m usable: 16 m high needs 1:80 → 1:100, not the width's 1:20.
      {"height limited", 102, 24, 20, 16, true, 100},
      // A4 across: 16.13 m on 0.277 m gives 1:100, but 18 m on 0.17 m needs 1:150.
      {"A4 half width, height limited", 29.7, 21, 32.26, 18, false, 150},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(
        choosePrintScale(c.paperWidth, c.paperHeight, c.sectionWidth, c.sectionHeight, c.whole),
        c.ratio, 1e-9)
        << c.what;
  }
}

}  // namespace
}  // namespace korain::testing
