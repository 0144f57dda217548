// Choosing the standard ratio at which the section fits the sheet, and its text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/print_scale.h"

#include <array>
#include <cmath>

namespace korain {
namespace {

// The steps of the standard ratios within one power of ten.
constexpr std::array kStandardSteps = {15.0, 20.0, 25.0, 33.333336, 50.0, 100.0};

}  // namespace

double standardRatio(double ratio) {
  if (!(ratio > 0) || !std::isfinite(ratio)) return 1;
  double power = 1;
  while (ratio <= 14) {
    ratio *= 10;
    power /= 10;
  }
  while (ratio >= 100) {
    ratio /= 10;
    power *= 10;
  }
  for (const double d : kStandardSteps) {
    if (d >= ratio) return d * power;
  }
  return 100 * power;
}

std::vector<double> standardRatios() {
  std::vector<double> ratios;
  for (int exponent = -1; exponent <= 4; ++exponent) {
    for (const double d : kStandardSteps) ratios.push_back(d * std::pow(10.0, exponent));
  }
  return ratios;
}

double choosePrintScale(double paperWidthCm, double paperHeightCm, double sectionWidth,
                        double sectionHeight, bool wholeSection) {
  const double usableWidth = (paperWidthCm - 2) / 100;
  const double usableHeight = (paperHeightCm - 4) / 100;
  const double width = wholeSection ? sectionWidth : sectionWidth / 2;
  double ratio = standardRatio(width / usableWidth);
  if (sectionHeight / ratio > usableHeight) ratio = standardRatio(sectionHeight / usableHeight);
  return ratio;
}

std::string scaleText(double ratio) {
  return "Scale 1:" + std::to_string(static_cast<long long>(ratio));
}

}  // namespace korain
