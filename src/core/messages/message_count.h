// How many errors and warnings the latest computation found, as the status
// bar tells it beside the one-line message list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "messages/message.h"

namespace korain {

struct MessageCount {
  std::size_t errors = 0;
  std::size_t warnings = 0;

  bool operator==(const MessageCount&) const = default;
};

MessageCount countMessages(const std::vector<Message>& messages);
// Adds the messages' errors and warnings to `count`.
void addTo(MessageCount& count, const std::vector<Message>& messages);

// "2 errors, 14 warnings", then " (6 not in the list)" when the one-line list
// left `leftOut` messages out.
std::string countText(const MessageCount& count, std::size_t leftOut);

}  // namespace korain
