// Whether a configuration value lies in its range, and the range as a message names it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration_ranges.h"

#include <charconv>
#include <cmath>

#include "model/arrangement.h"

namespace korain {
namespace {

double atSinglePrecision(double bound) { return static_cast<double>(static_cast<Single>(bound)); }

std::string boundText(double bound) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, bound);
  return {buffer, result.ptr};
}

}  // namespace

bool ValueRange::holds(double value) const {
  if (whole && std::trunc(value) != value) return false;
  return atSinglePrecision(minimum) <= value && value <= atSinglePrecision(maximum);
}

std::string ValueRange::text() const {
  std::string text = whole ? "a whole number" : "a number";
  if (std::isfinite(minimum) && std::isfinite(maximum)) {
    text += " from " + boundText(minimum) + " to " + boundText(maximum);
  }
  return text;
}

}  // namespace korain
