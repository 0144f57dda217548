// Counting the errors and warnings, and the status bar's text of the count.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message_count.h"

namespace korain {
namespace {

// "1 error", "0 errors", "2 errors".
std::string counted(std::size_t number, const char* noun) {
  return std::to_string(number) + " " + noun + (number == 1 ? "" : "s");
}

}  // namespace

MessageCount countMessages(const std::vector<Message>& messages) {
  MessageCount count;
  addTo(count, messages);
  return count;
}

void addTo(MessageCount& count, const std::vector<Message>& messages) {
  for (const Message& message : messages) {
    switch (message.severity) {
      case Severity::Error:
        ++count.errors;
        break;
      case Severity::Warning:
        ++count.warnings;
        break;
    }
  }
}

std::string countText(const MessageCount& count, std::size_t leftOut) {
  std::string text = counted(count.errors, "error") + ", " + counted(count.warnings, "warning");
  if (leftOut > 0) text += " (" + std::to_string(leftOut) + " not in the list)";
  return text;
}

}  // namespace korain
