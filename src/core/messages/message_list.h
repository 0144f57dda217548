// The list of messages under the main window: every inconsistency the
// computations find, newest last, the latest 40 kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "messages/message.h"
#include "model/arrangement.h"
#include "text/format_message.h"

namespace korain {

class MessageList {
 public:
  static constexpr std::size_t kCapacity = 40;

  // Adds a message; a line break in its text shows as a blank, since the list
  // has one line per message.
  void add(Message message);

  // Adds a message about no object, built from a template (placeholders as
  // formatMessage has them).
  void add(std::string_view templ, std::initializer_list<MessageArg> args = {});

  // Adds the numbered text `number` with its arguments; number 0 clears the list.
  void add(Long number, std::initializer_list<MessageArg> args = {});

  void clear() { messages_.clear(); }

  const std::deque<Message>& messages() const { return messages_; }
  bool empty() const { return messages_.empty(); }
  std::size_t size() const { return messages_.size(); }

  // The list shows the newest message selected; -1 when empty.
  int selectedIndex() const { return static_cast<int>(messages_.size()) - 1; }

 private:
  std::deque<Message> messages_;
};

// The message as a list of one line per message shows it: a line break in its
// text becomes a blank.
Message oneLine(Message message);

// Every message of the latest computation in the list's order: those it
// computed (every bulkhead's, as `GeometryCache::allMessages` gives them), then
// the texts the list was told after it (a refusal, a file's remarks), as many
// of these as the list still holds; each on one line. The list holds only the
// latest 40 of them all.
std::vector<Message> latestMessages(std::vector<Message> computed, const MessageList& list);

}  // namespace korain
