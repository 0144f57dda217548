// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message_list.h"

#include <algorithm>

#include "text/string_table.h"

namespace korain {

void MessageList::add(Message message) {
  std::replace(message.text.begin(), message.text.end(), kMessageLineBreak, ' ');
  if (messages_.size() == kCapacity) messages_.pop_front();
  messages_.push_back(std::move(message));
}

void MessageList::add(std::string_view templ, std::initializer_list<MessageArg> args) {
  add(Message{.text = formatMessage(templ, args)});
}

void MessageList::add(Long number, std::initializer_list<MessageArg> args) {
  if (number == 0) {
    clear();
    return;
  }
  add(korainString(number), args);
}

}  // namespace korain
