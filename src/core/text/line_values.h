// The numbers of one data line, addressed by position.
#pragma once

#include <array>
#include <optional>
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
  void parse(std::string_view line);

  // Number of pieces found (at most kMaxValuesPerLine).
  int count() const { return count_; }

  // Value i (1-based); empty when the line has fewer pieces or piece i is not a number.
  std::optional<double> value(int i) const {
    if (i < 1 || i > count_) return std::nullopt;
    const auto index = static_cast<std::size_t>(i - 1);
    if (!valid_[index]) return std::nullopt;
    return values_[index];
  }

 private:
  std::array<double, kMaxValuesPerLine> values_{};
  std::array<bool, kMaxValuesPerLine> valid_{};
  int count_ = 0;
};

// Conversions of a read value to the stored types. Integer and Long take the
// nearest whole value, a value exactly halfway going to the even neighbour;
// each gives nothing when the value does not fit the type.
std::optional<Integer> toInteger(double value);
std::optional<Long> toLong(double value);
std::optional<Single> toSingle(double value);

}  // namespace korain
