// Messages built from templates with placeholder characters.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/number_format.h"

namespace korain {

// Line break of a formatted message; the user interface turns it into a new line.
inline constexpr char kMessageLineBreak = '\r';

// One argument of a message, already turned into its text.
class MessageArg {
 public:
  MessageArg(std::string_view text) : text_(text) {}    // NOLINT(google-explicit-constructor)
  MessageArg(const std::string& text) : text_(text) {}  // NOLINT(google-explicit-constructor)
  MessageArg(const char* text) : text_(text) {}         // NOLINT(google-explicit-constructor)
  MessageArg(Single number)                             // NOLINT(google-explicit-constructor)
      : text_(generalNumberText(number)) {}
  template <typename N>
  requires std::integral<N> || std::same_as<N, double> MessageArg(
      N number)  // NOLINT(google-explicit-constructor)
      : text_(generalNumberText(static_cast<double>(number))) {}

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Replaces the placeholders of a template (UTF-8):
//   "¤"  the next argument; when none is left the "¤" stays (the count still moves on)
//   "²"  a line break; "²²" gives one "²"
//   "§"  a TAB; "§§" gives one "§"
// Arguments that no "¤" consumed are appended, each after one blank.
std::string formatMessage(std::string_view templ, std::initializer_list<MessageArg> args = {});

}  // namespace korain
