// The numbers of one data line, addressed by position.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

inline constexpr int kMaxValuesPerLine = 400;

// Splits a line at TAB and blank characters and reads each piece as a number
// ("." as decimal separator, optional sign, optional exponent). Pieces that are
// not finite numbers keep their position but have no value, so that a bad value
// leaves its own field alone and does not shift the ones after it. Pieces beyond
// the 400th are ignored. The object is meant to be reused from line to line.
class LineValues {
 public:
  void parse(std::string_view line) {
    copy_.assign(line);
    parseEnded(copy_);
  }
  // The same without the copy, for a line whose next byte can be read and
  // is a line end (CR or LF) or NUL, as a line of a file in memory is: that
  // byte ends every loop over separators and digits, which then need no test
  // of the end. The branches of those tests, mispredicted from piece to piece,
  // are most of the cost of reading a line.
  void parseEnded(std::string_view line);

  // Number of pieces found (at most kMaxValuesPerLine).
  int count() const { return count_; }

  // Value i (1-based); empty when the line has fewer pieces or piece i is not a number.
  std::optional<double> value(int i) const {
    if (i < 1 || i > count_) return std::nullopt;
    const double value = values_[static_cast<std::size_t>(i - 1)];
    if (std::isnan(value)) return std::nullopt;
    return value;
  }

 private:
  // What a piece that is not a number holds: a number read is always finite.
  static constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

  std::array<double, kMaxValuesPerLine> values_{};
  int count_ = 0;
  std::string copy_;  // a line to read, ended by a NUL
};

// Conversions of a read value to the stored types. Integer and Long take the
// nearest whole value, a value exactly halfway going to the even neighbour;
// each gives nothing when the value does not fit the type. They are inline, as
// every value of a file passes through one.
namespace line_values_detail {

// The nearest whole value of one below 2^52 in magnitude, halfway going to the
// even neighbour, whatever the current rounding mode: the truncation and the
// fraction are exact.
inline double nearestEven(double value) {
  const auto truncated = static_cast<double>(static_cast<std::int64_t>(value));
  const double fraction = std::fabs(value - truncated);
  if (fraction < 0.5) return truncated;
  const double away = truncated + (value < 0 ? -1.0 : 1.0);
  if (fraction > 0.5) return away;
  return std::fmod(truncated, 2.0) == 0.0 ? truncated : away;
}

// Beyond 2^52 (and for what is not finite) no value fits a type of 32 bits.
template <typename T>
std::optional<T> toWhole(double value) {
  static_assert(sizeof(T) <= 4);
  if (!(std::fabs(value) < 4503599627370496.0)) return std::nullopt;
  const double whole = nearestEven(value);
  if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max()) {
    return std::nullopt;
  }
  return static_cast<T>(whole);
}

}  // namespace line_values_detail

inline std::optional<Integer> toInteger(double value) {
  return line_values_detail::toWhole<Integer>(value);
}
inline std::optional<Long> toLong(double value) { return line_values_detail::toWhole<Long>(value); }
inline std::optional<Single> toSingle(double value) {
  constexpr double kLargest = std::numeric_limits<Single>::max();
  if (!(std::fabs(value) <= kLargest)) return std::nullopt;
  return static_cast<Single>(value);
}

}  // namespace korain
