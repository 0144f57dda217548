// Free numeric form of the database file, display patterns and message number texts.
#include "text/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace korain {
namespace {

// Enough for any "%.*G"-style text of a double with up to 17 significant digits.
constexpr std::size_t kShortBuffer = 40;

// The value as C's "%.<precision>G" writes it, without its "0" before the point
// when asked to: the database file drops it, messages keep it.
std::string_view generalText(std::array<char, kShortBuffer>& buffer, double value, int precision,
                             bool keepLeadingZero) {
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, precision);
  char* begin = buffer.data();
  std::replace(begin, result.ptr, 'e', 'E');
  if (!keepLeadingZero && result.ptr - begin > 1 && begin[0] == '0' && begin[1] == '.') ++begin;
  return {begin, result.ptr};
}

// A decimal number as significant digits and the place of the point in them:
// digits "125" with pointPos 0 is 0.125, with pointPos 5 it is 12500.
struct DecimalDigits {
  std::string digits;
  int pointPos = 0;

  char digitAt(int index) const {
    if (index < 0 || index >= static_cast<int>(digits.size())) return '0';
    return digits[static_cast<std::size_t>(index)];
  }
};

// Fifteen significant digits, as many as a double holds reliably: rounding the
// display from them gives what a person reading the number expects (2.675 to
// two decimals is 2.68 even though the binary value lies just below it).
DecimalDigits decimalDigits(double magnitude) {
  std::array<char, kShortBuffer> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const auto exponentAt = text.find('e');
  DecimalDigits decimal;
  for (const char c : text.substr(0, exponentAt)) {
    if (c != '.') decimal.digits.push_back(c);
  }
  int exponent = 0;
  const auto exponentText = text.substr(exponentAt + 1);
  const char* exponentBegin = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
  std::from_chars(exponentBegin, exponentText.data() + exponentText.size(), exponent);
  decimal.pointPos = exponent + 1;
  return decimal;
}

// Rounds half away from zero, keeping the given number of decimals.
void roundToDecimals(DecimalDigits& decimal, int decimals) {
  const int keep = decimal.pointPos + decimals;
  if (keep >= static_cast<int>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal.digits.clear();
    return;
  }
  const bool roundUp = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
  decimal.digits.resize(static_cast<std::size_t>(keep));
  if (!roundUp) return;
  for (auto digit = decimal.digits.rbegin(); digit != decimal.digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return;
    }
    *digit = '0';
  }
  decimal.digits.insert(decimal.digits.begin(), '1');
  ++decimal.pointPos;
}

// The parts of a display pattern: literal text around one run of "0", "#" and ".".
struct NumberPattern {
  std::string_view prefix;
  std::string_view suffix;
  int minIntegerDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
};

NumberPattern parsePattern(std::string_view pattern) {
  constexpr std::string_view kRunChars = "0#.";
  const auto runBegin = std::min(pattern.find_first_of(kRunChars), pattern.size());
  const auto runEnd = std::min(pattern.find_first_not_of(kRunChars, runBegin), pattern.size());
  const auto run = pattern.substr(runBegin, runEnd - runBegin);
  const auto point = std::min(run.find('.'), run.size());
  const auto integerPart = run.substr(0, point);
  const auto decimalPart = run.substr(std::min(point + 1, run.size()));

  NumberPattern parsed;
  parsed.prefix = pattern.substr(0, runBegin);
  parsed.suffix = pattern.substr(runEnd);
  parsed.minIntegerDigits =
      static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
  parsed.minDecimals = static_cast<int>(std::count(decimalPart.begin(), decimalPart.end(), '0'));
  parsed.maxDecimals = parsed.minDecimals +
                       static_cast<int>(std::count(decimalPart.begin(), decimalPart.end(), '#'));
  return parsed;
}

// The integer digits without leading zeros, padded to the least count.
std::string integerText(const DecimalDigits& decimal, int minDigits) {
  std::string text;
  for (int i = 0; i < decimal.pointPos; ++i) {
    const char digit = decimal.digitAt(i);
    if (digit != '0' || !text.empty()) text.push_back(digit);
  }
  const auto padding = std::max(0, minDigits - static_cast<int>(text.size()));
  text.insert(0, static_cast<std::size_t>(padding), '0');
  return text;
}

// The decimals without trailing zeros beyond the least count.
std::string decimalsText(const DecimalDigits& decimal, int minDecimals, int maxDecimals) {
  std::string text;
  for (int i = 0; i < maxDecimals; ++i) text.push_back(decimal.digitAt(decimal.pointPos + i));
  const auto lastSignificant = text.find_last_not_of('0');
  const std::size_t significant = lastSignificant == std::string::npos ? 0 : lastSignificant + 1;
  text.resize(std::max(significant, static_cast<std::size_t>(minDecimals)));
  return text;
}

}  // namespace

void appendFreeNumber(std::string& out, Long value) {
  std::array<char, 16> buffer{};
  // The magnitude as 64 bits, so that the most negative Long has one too.
  const auto magnitude = std::abs(static_cast<std::int64_t>(value));
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
  out.push_back(value < 0 ? '-' : ' ');
  out.append(buffer.data(), result.ptr);
  out.push_back(' ');
}

void appendFreeNumber(std::string& out, Single value) {
  // The program never stores NaN or infinity; should one slip in, a readable 0
  // keeps the file loadable. Negative zero is written as plain 0 as well.
  if (!std::isfinite(value) || value == 0.0f) {
    out.append(" 0 ");
    return;
  }
  std::array<char, kShortBuffer> buffer{};
  out.push_back(value < 0.0f ? '-' : ' ');
  out.append(generalText(buffer, std::fabs(static_cast<double>(value)), 7, false));
  out.push_back(' ');
}

std::string freeNumber(Long value) {
  std::string text;
  appendFreeNumber(text, value);
  return text;
}

std::string freeNumber(Single value) {
  std::string text;
  appendFreeNumber(text, value);
  return text;
}

void appendFormattedNumber(std::string& out, double value, std::string_view pattern) {
  const NumberPattern parsed = parsePattern(pattern);
  const double shown = std::isfinite(value) ? value : 0.0;
  DecimalDigits decimal = decimalDigits(std::fabs(shown));
  roundToDecimals(decimal, parsed.maxDecimals);
  // After rounding, every digit left is one that will be shown: a value that
  // shows as zero gets no sign.
  const bool isZero = decimal.digits.find_first_not_of('0') == std::string::npos;
  const std::string decimals = decimalsText(decimal, parsed.minDecimals, parsed.maxDecimals);

  out.append(parsed.prefix);
  if (shown < 0.0 && !isZero) out.push_back('-');
  out.append(integerText(decimal, parsed.minIntegerDigits));
  if (!decimals.empty()) {
    out.push_back('.');
    out.append(decimals);
  }
  out.append(parsed.suffix);
}

std::string formatNumber(double value, std::string_view pattern) {
  std::string text;
  appendFormattedNumber(text, value, pattern);
  return text;
}

std::string generalNumberText(double value) {
  std::array<char, kShortBuffer> buffer{};
  // Negative zero would read "-0"; the sign of a zero means nothing to a reader.
  const double shown = value == 0.0 ? 0.0 : value;
  return std::string(generalText(buffer, shown, 15, true));
}

}  // namespace korain
