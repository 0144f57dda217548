// The print dialog's margin questions and the smallest margin of a printer.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/margin_checks.h"

#include <gtest/gtest.h>

namespace korain::testing {
namespace {

PageSetup margins(double foot, double bottom) {
  PageSetup setup;
  setup.FootMargin = foot;
  setup.BottomMargin = bottom;
  return setup;
}

TEST(MarginChecks, TheSmallestMarginIsThePaperLessThePrintableHeightToOneDecimal) {
  EXPECT_DOUBLE_EQ(smallestPrinterMargin(29.7, 29.3), 0.4);
  EXPECT_DOUBLE_EQ(smallestPrinterMargin(29.7, 28.66), 1.0);
  EXPECT_DOUBLE_EQ(smallestPrinterMargin(29.7, 29.7), 0.0);
}

TEST(MarginChecks, AskAboutMarginsBelowThePrintersAndABottomAboveTheFoot) {
  const std::string tooSmall = "Foot and bottom margin should be greater than 0.4\rContinue ?";
  const std::string order = "Bottom margin should be greater than foot margin.\rContinue ?";
  const struct {
    double foot, bottom;
    std::vector<std::string> asked;
  } rows[] = {
      {0.5, 1.5, {}},      {0.4, 0.4, {}}, {0.3, 1.5, {tooSmall}}, {0.5, 0.3, {tooSmall, order}},
      {1.5, 1.0, {order}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(marginQuestions(margins(row.foot, row.bottom), 0.4), row.asked)
        << row.foot << " " << row.bottom;
  }
  EXPECT_EQ(marginQuestions(margins(0.5, 1.5), 12.25)[0],
            "Foot and bottom margin should be greater than 12.3\rContinue ?");
}

}  // namespace
}  // namespace korain::testing
