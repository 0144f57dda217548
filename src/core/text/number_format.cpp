// Free numeric form of the database file, display patterns and message number texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

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
  for (std::size_t i = decimal.digits.size(); i-- > 0;) {
    if (decimal.digits[i] != '9') {
      ++decimal.digits[i];
      return;
    }
    decimal.digits[i] = '0';
  }
  decimal.digits.insert(decimal.digits.begin(), '1');
  ++decimal.pointPos;
}

}  // namespace

NumberPattern numberPattern(std::string_view pattern) {
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

namespace {

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

// Powers of ten as whole numbers, for the digits of short decimals.
constexpr std::array<std::uint64_t, 9> kWholeScales = {1,      10,      100,      1000,     10000,
                                                       100000, 1000000, 10000000, 100000000};

// The number of decimal digits of a value (1 for 0).
int digitCount(std::uint64_t value) {
  int count = 1;
  for (; value >= 10; value /= 10) ++count;
  return count;
}

// Writes the last count decimal digits of value, leading zeros included, and
// gives their end: digits go straight to their place, from the last one back.
char* writeDigits(char* at, std::uint64_t value, int count) {
  char* const end = at + count;
  for (char* p = end; p != at; value /= 10) *--p = static_cast<char>('0' + value % 10);
  return end;
}

char* writeText(char* at, std::string_view text) { return std::copy(text.begin(), text.end(), at); }

}  // namespace

std::size_t shortDecimalRoom(const NumberPattern& pattern) {
  // Sign, nine whole digits or the padding, the point and four decimals.
  constexpr std::size_t kDigitsAndSign = 16;
  return pattern.prefix.size() + pattern.suffix.size() +
         static_cast<std::size_t>(std::max(pattern.minIntegerDigits, 0)) + kDigitsAndSign;
}

// The common case of the file's coordinate and extremity columns: a Single shown
// with at most four decimals. Its exact value times 10^4 needs at most 38 bits,
// so the scaled value is exact and rounding it is exact too; and no Single lies
// so close to a rounding tie that the fifteen-digit route could round otherwise.
char* writeShortDecimal(char* at, double value, const NumberPattern& pattern) {
  constexpr int kMostDecimals = 4;
  const double magnitude = std::fabs(value);
  if (pattern.maxDecimals > kMostDecimals || !(magnitude < 1e9) ||
      static_cast<double>(static_cast<float>(value)) != value) {
    return nullptr;
  }
  const std::uint64_t scale = kWholeScales[static_cast<std::size_t>(pattern.maxDecimals)];
  const double scaled = magnitude * static_cast<double>(scale);
  auto units = static_cast<std::uint64_t>(scaled);
  if (scaled - static_cast<double>(units) >= 0.5) ++units;
  const std::uint64_t whole = units / scale;
  std::uint64_t fraction = units % scale;
  int shownDecimals = pattern.maxDecimals;
  for (; shownDecimals > pattern.minDecimals && fraction % 10 == 0; --shownDecimals) fraction /= 10;

  at = writeText(at, pattern.prefix);
  if (value < 0.0 && units != 0) *at++ = '-';
  const int wholeDigits = whole == 0 ? 0 : digitCount(whole);
  at = writeDigits(at, whole, std::max(wholeDigits, pattern.minIntegerDigits));
  if (shownDecimals > 0) {
    *at++ = '.';
    at = writeDigits(at, fraction, shownDecimals);
  }
  return writeText(at, pattern.suffix);
}

namespace {

// Whether the short route formatted the value into out.
bool appendShortDecimal(std::string& out, double value, const NumberPattern& pattern) {
  const std::size_t size = out.size();
  out.resize(size + shortDecimalRoom(pattern));
  char* const begin = out.data() + size;
  char* const end = writeShortDecimal(begin, value, pattern);
  out.resize(end == nullptr ? size : size + static_cast<std::size_t>(end - begin));
  return end != nullptr;
}

// Powers of ten up to 10^8: a Single, or a midpoint between two, times one of
// them is exact in a double.
constexpr std::array<double, 9> kScales = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

// Writes the text of a Single that a decimal of at most seven digits and
// eight decimals gives back: the fewest decimals, and of two candidates the
// nearer. A decimal reads back as the Single when it lies between the
// midpoints to its neighbours (on them too when its last bit is 0, as
// rounding goes to even); scaled by 10^k, the midpoints and the Single stay
// exact. Gives nothing (the general route decides) when no such decimal is
// found, or two are equally near.
char* writeDecimalSingle(char* at, float magnitude) {
  if (!(magnitude >= 1e-4F && magnitude < 1e7F)) return nullptr;
  const auto bits = std::bit_cast<std::uint32_t>(magnitude);
  const auto value = static_cast<double>(magnitude);
  const double below = (value + static_cast<double>(std::bit_cast<float>(bits - 1))) / 2;
  const double above = (value + static_cast<double>(std::bit_cast<float>(bits + 1))) / 2;
  const bool even = (bits & 1U) == 0;
  for (std::size_t k = 0; k < kScales.size(); ++k) {
    const double scaled = value * kScales[k];
    const double low = std::floor(scaled);
    if (low >= 1e7) return nullptr;
    const double least = below * kScales[k];
    const double most = above * kScales[k];
    const auto readsBack = [&](double n) {
      return even ? least <= n && n <= most : least < n && n < most;
    };
    const bool lowFits = readsBack(low);
    const bool highFits = readsBack(low + 1);
    if (!lowFits && !highFits) continue;
    if (lowFits && highFits && scaled - low == low + 1 - scaled) return nullptr;
    const bool takeLow = lowFits && (!highFits || scaled - low < low + 1 - scaled);
    const auto digits = static_cast<std::uint64_t>(takeLow ? low : low + 1);
    if (digits >= 10000000U) return nullptr;
    const std::uint64_t whole = digits / kWholeScales[k];
    if (whole != 0) at = writeDigits(at, whole, digitCount(whole));
    if (k == 0) return at;
    *at++ = '.';
    return writeDigits(at, digits % kWholeScales[k], static_cast<int>(k));
  }
  return nullptr;
}

// The free form of the usual Single: the shortest text that reads back as the
// same value, when that text has at most seven significant digits and needs no
// exponent; it is then what seven-digit rounding gives too. Gives nothing otherwise.
char* writeShortSingle(char* at, float magnitude) {
  if (!(magnitude >= 1e-4F && magnitude < 1e7F)) return nullptr;
  std::array<char, kShortBuffer> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t firstSignificant = text.find_first_not_of("0.");
  const std::size_t digits = text.size() - firstSignificant -
                             (text.find('.', firstSignificant) == std::string_view::npos ? 0 : 1);
  if (digits > 7) return nullptr;
  const std::string_view shown = text.starts_with("0.") ? text.substr(1) : text;
  return writeText(at, shown);
}

}  // namespace

char* writeFreeNumber(char* at, Long value) {
  // The magnitude as 64 bits, so that the most negative Long has one too.
  const auto magnitude = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(value)));
  *at++ = value < 0 ? '-' : ' ';
  // Most whole values of a block are flags, types and indices of one digit.
  if (magnitude < 10) {
    *at++ = static_cast<char>('0' + magnitude);
  } else {
    at = writeDigits(at, magnitude, digitCount(magnitude));
  }
  *at++ = ' ';
  return at;
}

char* writeFreeNumber(char* at, Single value) {
  // The program never stores NaN or infinity; should one slip in, a readable 0
  // keeps the file loadable. Negative zero is written as plain 0 as well.
  if (!std::isfinite(value) || value == 0.0f) return writeText(at, " 0 ");
  *at++ = value < 0.0f ? '-' : ' ';
  const float magnitude = std::fabs(value);
  char* end = writeDecimalSingle(at, magnitude);
  if (end == nullptr) end = writeShortSingle(at, magnitude);
  if (end == nullptr) {
    std::array<char, kShortBuffer> buffer{};
    const std::string_view text = generalText(buffer, static_cast<double>(magnitude), 7, false);
    end = writeText(at, text);
  }
  *end++ = ' ';
  return end;
}

void appendFreeNumber(std::string& out, Long value) {
  std::array<char, kFreeNumberRoom> text{};
  out.append(text.data(), writeFreeNumber(text.data(), value));
}

void appendFreeNumber(std::string& out, Single value) {
  std::array<char, kFreeNumberRoom> text{};
  out.append(text.data(), writeFreeNumber(text.data(), value));
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
  appendFormattedNumber(out, value, numberPattern(pattern));
}

void appendFormattedNumber(std::string& out, double value, const NumberPattern& pattern) {
  if (appendShortDecimal(out, value, pattern)) return;
  const double shown = std::isfinite(value) ? value : 0.0;
  DecimalDigits decimal = decimalDigits(std::fabs(shown));
  roundToDecimals(decimal, pattern.maxDecimals);
  // After rounding, every digit left is one that will be shown: a value that
  // shows as zero gets no sign.
  const bool isZero = decimal.digits.find_first_not_of('0') == std::string::npos;
  const std::string decimals = decimalsText(decimal, pattern.minDecimals, pattern.maxDecimals);

  out.append(pattern.prefix);
  if (shown < 0.0 && !isZero) out.push_back('-');
  out.append(integerText(decimal, pattern.minIntegerDigits));
  if (!decimals.empty()) {
    out.push_back('.');
    out.append(decimals);
  }
  out.append(pattern.suffix);
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

std::string generalNumberText(Single value) {
  std::array<char, kShortBuffer> buffer{};
  const double shown = value == 0.0F ? 0.0 : static_cast<double>(value);
  return std::string(generalText(buffer, shown, 7, true));
}

}  // namespace korain
