// Walks the lines of a database file held in memory.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korain {

// A place in the text that the cursor can be put back on.
struct LinePosition {
  std::size_t offset = 0;
  int lineNumber = 0;  // number of the last line returned (1-based), 0 before the first
};

// Gives the lines of Windows-1252 bytes one at a time as UTF-8, without their
// line end (CR LF and LF alike). A line is decoded only when it holds a byte
// beyond ASCII, so the usual all-ASCII line costs no copy. The view returned
// stays valid until the next call.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}
  // Bytes cut from a file after its first linesBefore lines, numbered as in the file.
  LineCursor(std::string_view bytes, int linesBefore)
      : bytes_(bytes), start_{0, linesBefore}, position_(start_) {}

  bool next(std::string_view& line);
  bool atEnd() const { return position_.offset >= bytes_.size(); }

  LinePosition position() const { return position_; }

  // The bytes from a position to the current one, as they stand in the file
  // (line ends included), for copying lines unchanged.
  std::string_view bytesSince(LinePosition from) const {
    return bytes_.substr(from.offset, position_.offset - from.offset);
  }
  void seek(LinePosition position) { position_ = position; }
  // Back to the first line.
  void rewind() { position_ = start_; }
  int lineNumber() const { return position_.lineNumber; }
  // Whether the byte after the last line given can be read, and is its line
  // end or the NUL after a decoded line: only the last line of bytes that
  // end without a line end is not followed so.
  bool lineEnded() const { return lineEnded_; }

 private:
  // Whether a line holds only ASCII bytes. The bytes are looked at from a line
  // on to the first that is not ASCII, once, not line by line.
  bool isAsciiLine(std::size_t offset, std::size_t length);

  std::string_view bytes_;
  LinePosition start_;
  LinePosition position_;
  std::string decoded_;
  bool lineEnded_ = false;
  // The bytes from asciiBegin_ to asciiEnd_ are all ASCII.
  std::size_t asciiBegin_ = 0;
  std::size_t asciiEnd_ = 0;
};

}  // namespace korain
