// The smallest margin a printer allows, and the questions about the page set-up's margins.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/margin_checks.h"

#include <cmath>

#include "text/format_message.h"
#include "text/number_format.h"

namespace korain {

double smallestPrinterMargin(double paperHeightCm, double printableHeightCm) {
  return std::round((paperHeightCm - printableHeightCm) * 10) / 10;
}

std::vector<std::string> marginQuestions(const PageSetup& setup, double smallestMargin) {
  std::vector<std::string> questions;
  if (setup.FootMargin < smallestMargin || setup.BottomMargin < smallestMargin) {
    questions.push_back(formatMessage("Foot and bottom margin should be greater than ¤²Continue ?",
                                      {formatNumber(smallestMargin, "#0.0")}));
  }
  if (setup.BottomMargin < setup.FootMargin) {
    questions.push_back(
        formatMessage("Bottom margin should be greater than foot margin.²Continue ?"));
  }
  return questions;
}

}  // namespace korain
