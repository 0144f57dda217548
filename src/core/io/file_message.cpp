// A message about a file, with the place it concerns.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/file_message.h"

namespace korain {

std::string FileMessage::toString() const {
  std::string result = file;
  if (line > 0) result.append(":").append(std::to_string(line));
  result.append(": ").append(text);
  return result;
}

std::string messagesText(const FileMessages& messages, char separator) {
  std::string text;
  for (const FileMessage& message : messages) {
    if (!text.empty()) text += separator;
    text += message.toString();
  }
  return text;
}

}  // namespace korain
