// Fills message templates: arguments, line breaks and TABs from placeholder characters.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/format_message.h"

namespace korain {
namespace {

constexpr std::string_view kArgumentMark = "\u00A4";   // ¤
constexpr std::string_view kLineBreakMark = "\u00B2";  // ²
constexpr std::string_view kTabMark = "\u00A7";        // §

// A doubled mark stands for the mark itself; a single one for its replacement.
// Comparing bytes is safe in UTF-8: a lead byte never occurs inside another
// character, so a mark is never found in the middle of one.
bool takeEscapable(std::string_view templ, std::size_t& pos, std::string_view mark,
                   char replacement, std::string& out) {
  if (!templ.substr(pos).starts_with(mark)) return false;
  pos += mark.size();
  if (templ.substr(pos).starts_with(mark)) {
    pos += mark.size();
    out.append(mark);
  } else {
    out.push_back(replacement);
  }
  return true;
}

}  // namespace

std::string formatMessage(std::string_view templ, std::initializer_list<MessageArg> args) {
  std::string out;
  out.reserve(templ.size());
  const MessageArg* next = args.begin();
  std::size_t pos = 0;
  while (pos < templ.size()) {
    if (takeEscapable(templ, pos, kLineBreakMark, kMessageLineBreak, out)) continue;
    if (takeEscapable(templ, pos, kTabMark, '\t', out)) continue;
    if (templ.substr(pos).starts_with(kArgumentMark)) {
      pos += kArgumentMark.size();
      // Once the arguments are used up, a further mark stays as it is.
      if (next < args.end()) {
        out.append(next->text());
        ++next;
      } else {
        out.append(kArgumentMark);
      }
      continue;
    }
    out.push_back(templ[pos]);
    ++pos;
  }
  for (; next < args.end(); ++next) {
    out.push_back(' ');
    out.append(next->text());
  }
  return out;
}

}  // namespace korain
