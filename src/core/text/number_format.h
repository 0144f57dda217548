// Number texts as the database file and the screens show them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

// The free numeric form of the database file: a leading blank for a value that
// is not negative or "-" for a negative one, the shortest text of the value (a
// Single with at most 7 significant digits, no "0" before the point below 1,
// exponent form "1E-05" / "1.234568E+07" for very small or large magnitudes),
// and one trailing blank. Examples: " 12 ", "-3 ", " .443 ", "-.5 ".
void appendFreeNumber(std::string& out, Long value);
void appendFreeNumber(std::string& out, Single value);
// The same written at a place with room for kFreeNumberRoom characters; gives the end.
inline constexpr std::size_t kFreeNumberRoom = 24;
char* writeFreeNumber(char* at, Long value);
char* writeFreeNumber(char* at, Single value);
std::string freeNumber(Long value);
std::string freeNumber(Single value);

// Formats a value with a display pattern: "0" is a digit that is always shown,
// "#" a digit shown only when significant, "." the decimal point (always "."),
// any other character is copied as it stands ("×#0.0", " ###"). The number of
// "0" and "#" after the point give the least and the most decimals; the value
// is rounded half away from zero. As in the family's programs, a pattern without
// any "0" shows nothing for the value 0 ("###" of 0 is ""). The rounding works
// on the value's first 15 significant digits, so that 2.675 gives "2.68" with
// "#0.00" as a reader expects; a value that is not finite shows as 0.
std::string formatNumber(double value, std::string_view pattern);
void appendFormattedNumber(std::string& out, double value, std::string_view pattern);

// A display pattern taken apart once, for formatting many values with it; it
// refers to the pattern's text, which must outlive it.
struct NumberPattern {
  std::string_view prefix;
  std::string_view suffix;
  int minIntegerDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
};
NumberPattern numberPattern(std::string_view pattern);
void appendFormattedNumber(std::string& out, double value, const NumberPattern& pattern);
// The same written at a place with room for shortDecimalRoom(pattern)
// characters, for the usual value: a Single below 10^9 shown with at most four
// decimals. Gives the end, or nothing for any other value.
std::size_t shortDecimalRoom(const NumberPattern& pattern);
char* writeShortDecimal(char* at, double value, const NumberPattern& pattern);

// The general text of a number, as messages show their arguments: "3", "0.5",
// "-12.25", "1E-05" (at most 15 significant digits, no trailing zeros). A
// Single shows the digits it holds, at most 7: 16.2 as "16.2".
std::string generalNumberText(double value);
std::string generalNumberText(Single value);

}  // namespace korain
