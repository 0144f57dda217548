// The lines of a file read piece by piece through a buffer of fixed size.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/line_reader.h"

#include <cstring>

namespace korain {
namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 20;
// No line of a database comes near this; a file holding one is no database,
// and refusing it keeps the memory a save needs bounded.
constexpr std::size_t kLongestLine = std::size_t{16} << 20;

}  // namespace

LineReader::LineReader(InputFile* file, CopySink copy)
    : file_(file), copy_(std::move(copy)), atEnd_(file == nullptr) {
  buffer_.resize(kBufferBytes);
}

bool LineReader::next(std::string_view& raw) {
  for (;;) {
    const char* from = buffer_.data() + begin_;
    const void* newline = std::memchr(from, '\n', end_ - begin_);
    if (newline || (atEnd_ && begin_ < end_)) {
      const std::size_t length =
          newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - from) + 1
                  : end_ - begin_;
      raw = std::string_view(from, length);
      last_ = begin_;
      begin_ += length;
      ++lineNumber_;
      return true;
    }
    if (atEnd_ || !fill()) return false;
  }
}

void LineReader::unread() {
  begin_ = last_;
  --lineNumber_;
}

void LineReader::copyFromHere() {
  copying_ = true;
  copyStart_ = begin_;
}

void LineReader::endCopy() {
  flushCopy(last_);
  copying_ = false;
}

void LineReader::finishCopy() {
  flushCopy(begin_);
  copying_ = false;
}

void LineReader::flushCopy(std::size_t end) {
  if (copying_ && end > copyStart_)
    copy_(std::string_view(buffer_).substr(copyStart_, end - copyStart_));
  copyStart_ = end;
}

bool LineReader::fill() {
  // What was read and not yet copied goes out before its place is reused.
  flushCopy(begin_);
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    last_ = 0;
    copyStart_ = 0;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) {
    if (buffer_.size() >= kLongestLine) {
      error_ = "line " + std::to_string(lineNumber_ + 1) +
               " is longer than 16 MB: this is not a database file";
      return false;
    }
    buffer_.resize(buffer_.size() * 2);
  }
  const std::optional<std::size_t> got =
      file_->read(buffer_.data() + end_, buffer_.size() - end_, error_);
  if (!got) return false;
  if (*got == 0) atEnd_ = true;
  end_ += *got;
  return true;
}

std::string_view withoutLineEnd(std::string_view raw) {
  if (raw.ends_with('\n')) raw.remove_suffix(1);
  if (raw.ends_with('\r')) raw.remove_suffix(1);
  return raw;
}

}  // namespace korain
