// Reads the numbers of a data line in place and converts them to the stored types.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace korain {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly.
constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The usual piece of the file, "-12", " .443" or "3.25", read from p on up to
// the first character that is not a digit or the point: at most fifteen
// digits and no exponent. Digits and scale are then exact doubles, and one
// division rounds correctly, giving what the general parser would give, only
// faster. Nothing when the digits are not of that kind.
std::optional<double> readPlainDecimal(const char*& p, const char* end) {
  const bool negative = *p == '-';
  if (negative) ++p;
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = -1;
  for (; p != end; ++p) {
    const char c = *p;
    if (c >= '0' && c <= '9') {
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      ++count;
      if (decimals >= 0) ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      break;
    }
  }
  if (count == 0 || count > 15) return std::nullopt;
  auto value = static_cast<double>(digits);
  if (decimals > 0) value /= kPowersOfTen[static_cast<std::size_t>(decimals)];
  return negative ? -value : value;
}

// The general reading of a piece. A piece is a number only when all of it is one; "1,5" or "12abc"
// would otherwise pass as 1 or 12 and quietly shift a field's meaning.
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

}  // namespace

// Each piece is read as it is scanned; only a piece that is not a plain
// decimal is scanned again by the general parser.
void LineValues::parse(std::string_view line) {
  count_ = 0;
  const char* p = line.data();
  const char* const end = p + line.size();
  while (count_ < kMaxValuesPerLine) {
    while (p != end && isSeparator(*p)) ++p;
    if (p == end) break;
    const auto index = static_cast<std::size_t>(count_++);
    // Most values of the file are a single digit, signed or not: a flag, a
    // code, a count.
    const bool negative = *p == '-';
    const char* const digit = p + (negative ? 1 : 0);
    if (digit != end && isDigit(*digit) && (digit + 1 == end || isSeparator(digit[1]))) {
      const double value = *digit - '0';
      valid_[index] = true;
      values_[index] = negative ? -value : value;
      p = digit + 1;
      continue;
    }
    const char* const begin = p;
    std::optional<double> number = readPlainDecimal(p, end);
    if (!number || (p != end && !isSeparator(*p))) {
      while (p != end && !isSeparator(*p)) ++p;
      number = readNumber(std::string_view(begin, static_cast<std::size_t>(p - begin)));
    }
    valid_[index] = number.has_value();
    values_[index] = number.value_or(0.0);
  }
}

}  // namespace korain
