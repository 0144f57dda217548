// Grouping the spans' section moduli in ranges of a round step.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/modulus_ranges.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "text/number_format.h"

namespace korain {
namespace {

double rangeCount(double smallest, double largest, double step) {
  return std::floor(largest / step) - std::floor(smallest / step) + 1;
}

}  // namespace

double modulusStep(double smallest, double largest) {
  // A step beyond the largest magnitude leaves at most two ranges, so the
  // search ends for every pair of finite values.
  for (double decade = 1;; decade *= 10) {
    for (const double factor : std::array{1.0, 2.0, 5.0}) {
      const double step = factor * decade;
      if (rangeCount(smallest, largest, step) <= kMostModulusRanges) return step;
    }
  }
}

double rangeStart(double modulus, double step) { return std::floor(modulus / step) * step; }

std::string modulusRangeText(double start, double step) {
  return formatNumber(start, "0") + " – " + formatNumber(start + step, "0") + " cm³";
}

double putModuliInRanges(std::vector<CheckedObject>& objects) {
  std::vector<double> moduli;
  for (const CheckedObject& object : objects) {
    if (object.Value) moduli.push_back(std::get<double>(*object.Value));
  }
  if (moduli.empty()) return 0;
  const auto [smallest, largest] = std::ranges::minmax(moduli);
  const double step = modulusStep(smallest, largest);
  for (CheckedObject& object : objects) {
    if (object.Value) object.Value = rangeStart(std::get<double>(*object.Value), step);
  }
  return step;
}

}  // namespace korain
