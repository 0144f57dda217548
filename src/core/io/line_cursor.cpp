// Walks the lines of a database file held in memory.
#include "io/line_cursor.h"

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
  if (!isAscii(line)) {
    decoded_.clear();
    appendUtf8FromCp1252(decoded_, line);
    line = decoded_;
  }
  return true;
}

}  // namespace korain
