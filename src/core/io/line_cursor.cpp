// Walks the lines of a database file held in memory.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/line_cursor.h"

#include <algorithm>
#include <cstring>

#include "text/cp1252.h"

namespace korain {

bool LineCursor::next(std::string_view& line) {
  if (atEnd()) return false;
  const char* begin = bytes_.data() + position_.offset;
  const std::size_t left = bytes_.size() - position_.offset;
  const void* newline = std::memchr(begin, '\n', left);
  std::size_t length =
      newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - begin) : left;
  position_.offset += newline ? length + 1 : length;
  ++position_.lineNumber;
  if (length > 0 && begin[length - 1] == '\r') --length;
  line = std::string_view(begin, length);
  lineEnded_ = newline != nullptr;
  if (!isAsciiLine(static_cast<std::size_t>(begin - bytes_.data()), length)) {
    decoded_.clear();
    appendUtf8FromCp1252(decoded_, line);
    line = decoded_;
    lineEnded_ = true;
  }
  return true;
}

bool LineCursor::isAsciiLine(std::size_t offset, std::size_t length) {
  // So far ahead at most, so that a cursor put back again and again does not
  // look at the rest of a large file each time.
  constexpr std::size_t kLookAhead = std::size_t{1} << 16;
  if (offset < asciiBegin_ || offset + length > asciiEnd_) {
    asciiBegin_ = offset;
    asciiEnd_ = offset + asciiLength(bytes_.substr(offset, std::max(length, kLookAhead)));
  }
  return offset + length <= asciiEnd_;
}

}  // namespace korain
