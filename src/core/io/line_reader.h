// The lines of a file read piece by piece, so that a file of any size passes
// through a buffer of fixed size, and unchanged lines go on without a copy.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "io/file_system.h"

namespace korain {

// Gives the lines of a file as they stand in it, line end included. Lines
// between copyFromHere and endCopy are also handed to the copy sink as whole
// runs, straight from the buffer, as the buffer is refilled or the run ends.
class LineReader {
 public:
  using CopySink = std::function<void(std::string_view)>;

  // A null file reads as empty.
  LineReader(InputFile* file, CopySink copy);

  // The next line; false at the end of the file or on an error (failed() then
  // tells, with error()). The view stays valid until the next call.
  bool next(std::string_view& raw);
  // Gives the last line again on the next call.
  void unread();

  // The lines read from now on are copied, up to endCopy.
  void copyFromHere();
  // Ends the copy before the last line read (which is not copied).
  void endCopy();
  // Ends the copy after every line read.
  void finishCopy();

  int lineNumber() const { return lineNumber_; }
  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }

 private:
  bool fill();
  void flushCopy(std::size_t end);

  InputFile* file_;
  CopySink copy_;
  std::string buffer_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // end of the bytes held
  std::size_t last_ = 0;   // start of the last line given
  std::size_t copyStart_ = 0;
  bool copying_ = false;
  bool atEnd_ = false;
  int lineNumber_ = 0;
  std::string error_;
};

// The line without its line end (CR LF or LF).
std::string_view withoutLineEnd(std::string_view raw);

}  // namespace korain
