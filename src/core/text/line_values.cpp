// Reads the numbers of a data line in place and converts them to the stored types.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace korain {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }

// The digit's value, or 10 and more for a character that is no digit: one
// comparison tells both.
unsigned digitOf(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0'; }

// Powers of ten that a double holds exactly.
constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The usual piece of the file, "-12", ".443" or "3.25", read from p on up to
// the first character that is not a digit or the point: at most fifteen
// digits and no exponent. Digits and scale are then exact doubles, and one
// division rounds correctly, giving what the general parser would give, only
// faster. Nothing when the digits are not of that kind. The line's end must
// be followed by a character that is neither a digit nor the point.
std::optional<double> readPlainDecimal(const char*& p) {
  const bool negative = *p == '-';
  if (negative) ++p;
  const char* const first = p;
  std::uint64_t digits = 0;
  for (unsigned d = digitOf(*p); d < 10; d = digitOf(*++p)) digits = digits * 10 + d;
  const bool point = *p == '.';
  const char* const fraction = p + 1;
  if (point) {
    for (unsigned d = digitOf(*++p); d < 10; d = digitOf(*++p)) digits = digits * 10 + d;
  }
  const std::ptrdiff_t decimals = point ? p - fraction : 0;
  const std::ptrdiff_t count = p - first - (point ? 1 : 0);
  if (count == 0 || count > 15) return std::nullopt;
  auto value = static_cast<double>(digits);
  // A division is slow enough to be worth a branch: most pieces are whole.
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
void LineValues::parseEnded(std::string_view line) {
  count_ = 0;
  const char* p = line.data();
  const char* const end = p + line.size();
  while (count_ < kMaxValuesPerLine) {
    while (isSeparator(*p)) ++p;
    if (p == end) break;
    const auto index = static_cast<std::size_t>(count_++);
    // Most values of the file are a single digit, signed or not: a flag, a
    // code, a count.
    const bool negative = *p == '-';
    const char* const digit = p + (negative ? 1 : 0);
    if (const unsigned d = digitOf(*digit); d < 10 && (digit + 1 == end || isSeparator(digit[1]))) {
      const auto value = static_cast<double>(d);
      values_[index] = negative ? -value : value;
      p = digit + 1;
      continue;
    }
    const char* const begin = p;
    std::optional<double> number = readPlainDecimal(p);
    if (!number || (p != end && !isSeparator(*p))) {
      while (p != end && !isSeparator(*p)) ++p;
      number = readNumber(std::string_view(begin, static_cast<std::size_t>(p - begin)));
    }
    values_[index] = number.value_or(kNotANumber);
  }
}

}  // namespace korain
