// Reads the numbers of a data line in place and converts them to the stored types.
#include "text/line_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace korain {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }

// Powers of ten that a double holds exactly.
constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The usual piece of the file, "-12", " .443" or "3.25": at most fifteen digits
// and no exponent. Digits and scale are then exact doubles, and one division
// rounds correctly, giving what the general parser would give, only faster.
std::optional<double> readPlainDecimal(std::string_view piece) {
  std::size_t i = piece.front() == '-' ? 1 : 0;
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = -1;
  for (; i < piece.size(); ++i) {
    const char c = piece[i];
    if (c == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (c < '0' || c > '9' || ++count > 15) return std::nullopt;
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    if (decimals >= 0) ++decimals;
  }
  if (count == 0) return std::nullopt;
  auto value = static_cast<double>(digits);
  if (decimals > 0) value /= kPowersOfTen[static_cast<std::size_t>(decimals)];
  return piece.front() == '-' ? -value : value;
}

// A piece is a number only when all of it is one; "1,5" or "12abc" would
// otherwise pass as 1 or 12 and quietly shift a field's meaning.
std::optional<double> readNumber(std::string_view piece) {
  if (const auto plain = readPlainDecimal(piece)) return plain;
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

// The nearest whole value, halfway going to the even neighbour, whatever the
// current rounding mode. Beyond 2^52 every double is whole already; below it the
// truncation and the fraction are exact.
double nearestEven(double value) {
  if (!(std::fabs(value) < 4503599627370496.0)) return value;
  const auto truncated = static_cast<double>(static_cast<std::int64_t>(value));
  const double fraction = std::fabs(value - truncated);
  const double away = truncated + (value < 0 ? -1.0 : 1.0);
  if (fraction < 0.5) return truncated;
  if (fraction > 0.5) return away;
  return std::fmod(truncated, 2.0) == 0.0 ? truncated : away;
}

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

std::optional<Integer> toInteger(double value) { return toWhole<Integer>(value); }

std::optional<Long> toLong(double value) { return toWhole<Long>(value); }

std::optional<Single> toSingle(double value) {
  constexpr double kLargest = std::numeric_limits<Single>::max();
  if (!std::isfinite(value) || std::fabs(value) > kLargest) return std::nullopt;
  return static_cast<Single>(value);
}

}  // namespace korain
