// A message about a file, with the place it concerns.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace korain {

struct FileMessage {
  std::string file;
  int line = 0;  // 0 when the message concerns the whole file
  std::string text;

  // "file:line: text", or "file: text" without a line.
  std::string toString() const;
};

using FileMessages = std::vector<FileMessage>;

// Every message as its text, one a line (`separator` between them).
std::string messagesText(const FileMessages& messages, char separator = '\n');

}  // namespace korain
