// What the geometry of a hull section finds wrong, as finished texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_messages.h"

#include <algorithm>

#include "text/string_table.h"

namespace korain {

void SectionMessages::add(Long number, std::initializer_list<MessageArg> args) {
  if (!full()) addText(formatMessage(korainString(number), args));
}

void SectionMessages::addText(std::string text) {
  if (full()) return;
  if (texts_.size() + 1 == kCapacity) {
    texts_.emplace_back("Further messages of the section are left out");
    return;
  }
  std::replace(text.begin(), text.end(), kMessageLineBreak, ' ');
  texts_.push_back(std::move(text));
}

}  // namespace korain
