// Small text services: version texts, file-name and caption texts, dates, identifiers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korain {

struct ProgramVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

// "Unknown ver." for 0; any other value formatted "#0.0###" (2.002, 0.443, 5.0).
std::string versionText(double value);

// The program's own version: "1.0", a letter suffix for revisions 100..1399 by
// hundreds ("a".."o" without "j" and "k"), "r-2000 t" for revisions 2000..2099,
// and " (r<revision>)" when the revision is below 1.
std::string versionText(const ProgramVersion& version);
// The same with " (r<revision>)" always, as debug mode shows it.
std::string debugVersionText(const ProgramVersion& version);

// The trimmed name without the part from its last "." on.
std::string stripExtension(std::string_view fileName);

// A caption without its access-key marks: the text from "..." on is dropped,
// a single "&" is removed and "&&" becomes "&".
std::string menuText(std::string_view caption);

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// "dd/mm/yyyy".
std::string dateText(const CalendarDate& date);
// "dd/mm/yy".
std::string shortDateText(const CalendarDate& date);

// A new unique identifier text, "{8-4-4-4-12 hexadecimal digits}".
std::string generateId();

// The text without blanks, TABs, CR and LF at either end. Inline, as every
// line of a file passes through it.
inline std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first != last && blank(text[first])) ++first;
  if (first == last) return {};
  while (blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace korain
