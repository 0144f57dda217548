// Comparing check values and keeping them distinct.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/check_value.h"

#include <algorithm>
#include <cmath>

namespace korain {
namespace {

constexpr double kSameNumberTolerance = 0.001;

}  // namespace

bool sameCheckValue(const CheckValue& a, const CheckValue& b) {
  const auto* numberA = std::get_if<double>(&a);
  const auto* numberB = std::get_if<double>(&b);
  if (numberA != nullptr && numberB != nullptr) {
    return std::abs(*numberA - *numberB) < kSameNumberTolerance;
  }
  return a == b;
}

void addDistinctValue(std::vector<CheckValue>& values, const CheckValue& value) {
  if (positionOf(values, value) == 0) values.push_back(value);
}

Long positionOf(const std::vector<CheckValue>& values, const CheckValue& value) {
  const auto found = std::ranges::find_if(
      values, [&value](const CheckValue& known) { return sameCheckValue(known, value); });
  return found == values.end() ? 0 : static_cast<Long>(found - values.begin()) + 1;
}

}  // namespace korain
