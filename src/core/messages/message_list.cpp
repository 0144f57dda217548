// Adding to the message list, keeping its latest 40, and the list shown after a computation.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message_list.h"

#include <algorithm>

#include "text/string_table.h"

namespace korain {

void MessageList::add(Message message) {
  if (messages_.size() == kCapacity) messages_.pop_front();
  messages_.push_back(oneLine(std::move(message)));
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

Message oneLine(Message message) {
  std::replace(message.text.begin(), message.text.end(), kMessageLineBreak, ' ');
  return message;
}

std::vector<Message> latestMessages(std::vector<Message> computed, const MessageList& list) {
  for (Message& message : computed) message = oneLine(std::move(message));
  // The list starts with the computation's last messages, as many as it kept
  // beside what it was told since: the longest such start.
  const std::deque<Message>& listed = list.messages();
  std::size_t kept = std::min(computed.size(), listed.size());
  while (kept > 0 && !std::equal(listed.begin(), listed.begin() + static_cast<std::ptrdiff_t>(kept),
                                 computed.end() - static_cast<std::ptrdiff_t>(kept))) {
    --kept;
  }
  computed.insert(computed.end(), listed.begin() + static_cast<std::ptrdiff_t>(kept), listed.end());
  return computed;
}

}  // namespace korain
