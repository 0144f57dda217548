// Reads the numbers of a data line in place and converts them to the stored types.
#include "text/line_values.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace korain {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }

// A piece is a number only when all of it is one; "1,5" or "12abc" would
// otherwise pass as 1 or 12 and quietly shift a field's meaning.
std::optional<double> readNumber(std::string_view piece) {
  if (piece.front() == '+') {
    piece.remove_prefix(1);
    // from_chars takes a sign of its own, which "+-5" must not smuggle in.
    if (piece.empty() || piece.front() == '-') return std::nullopt;
  }
  double value = 0.0;
  const char* end = piece.data() + piece.size();
  const auto [ptr, ec] = std::from_chars(piece.data(), end, value);
  if (ec != std::errc{} || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The nearest whole value, halfway going to the even neighbour. The IEEE
// remainder is exact and rounds its quotient that way whatever the current
// rounding mode, so the subtraction is exact too.
double nearestEven(double value) { return value - std::remainder(value, 1.0); }

template <typename T>
std::optional<T> toWhole(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double whole = nearestEven(value);
  if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max()) {
    return std::nullopt;
  }
  return static_cast<T>(whole);
}

}  // namespace

void LineValues::parse(std::string_view line) {
  count_ = 0;
  std::size_t pos = 0;
  while (count_ < kMaxValuesPerLine) {
    while (pos < line.size() && isSeparator(line[pos])) ++pos;
    if (pos == line.size()) break;
    const std::size_t begin = pos;
    while (pos < line.size() && !isSeparator(line[pos])) ++pos;
    const auto number = readNumber(line.substr(begin, pos - begin));
    const auto index = static_cast<std::size_t>(count_);
    valid_[index] = number.has_value();
    values_[index] = number.value_or(0.0);
    ++count_;
  }
}

std::optional<double> LineValues::value(int i) const {
  if (i < 1 || i > count_) return std::nullopt;
  const auto index = static_cast<std::size_t>(i - 1);
  if (!valid_[index]) return std::nullopt;
  return values_[index];
}

std::optional<Integer> toInteger(double value) { return toWhole<Integer>(value); }

std::optional<Long> toLong(double value) { return toWhole<Long>(value); }

std::optional<Single> toSingle(double value) {
  constexpr double kLargest = std::numeric_limits<Single>::max();
  if (!std::isfinite(value) || std::fabs(value) > kLargest) return std::nullopt;
  return static_cast<Single>(value);
}

}  // namespace korain
