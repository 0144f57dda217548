// Builds the lines of a database block as Windows-1252 bytes with CR LF ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_text_writer.h"

#include <algorithm>

#include "io/database_texts.h"
#include "text/cp1252.h"
#include "text/number_format.h"

namespace korain {

// Names and identifiers stand alone on their line or before the first TAB: a
// line break or TAB inside one would tear the block apart, so they become blanks.
// A name that would read as a comment gets a leading blank (readers trim it off
// again), and one that would read as a banner a blank inside its dashes.
std::string singleLine(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  if (result.starts_with('*')) result.insert(0, 1, ' ');
  const std::size_t first = result.find_first_not_of(' ');
  if (first != std::string::npos && result.compare(first, 6, "------") == 0) {
    result.insert(first + 5, 1, ' ');
  }
  return result;
}

BlockTextWriter::BlockTextWriter(std::string& out)
    : out_(out),
      marker_(DatabaseTexts::get().commentMarker),
      coordinatePattern_(numberPattern(DatabaseTexts::get().coordinateFormat)) {}

BlockTextWriter& BlockTextWriter::text(std::string_view utf8) {
  if (isAscii(utf8)) {
    put(utf8);
  } else {
    scratch_.clear();
    unmappable_ += appendCp1252FromUtf8(scratch_, utf8);
    put(scratch_);
  }
  return *this;
}

BlockTextWriter& BlockTextWriter::formatted(Single value, std::string_view pattern) {
  return formatted(value, numberPattern(pattern));
}

BlockTextWriter& BlockTextWriter::formatted(Single value, const NumberPattern& pattern) {
  const std::size_t needed = shortDecimalRoom(pattern);
  if (needed <= kPendingBytes) {
    const char* end = writeShortDecimal(room(needed), static_cast<double>(value), pattern);
    if (end != nullptr) {
      used_ = static_cast<std::size_t>(end - start());
      return *this;
    }
  }
  scratch_.clear();
  appendFormattedNumber(scratch_, static_cast<double>(value), pattern);
  put(scratch_);
  return *this;
}

void BlockTextWriter::flush() {
  out_.append(start(), used_);
  used_ = 0;
}

void BlockTextWriter::put(std::string_view bytes) {
  if (bytes.size() > kPendingBytes - used_) {
    flush();
    if (bytes.size() > kPendingBytes) {
      out_.append(bytes);
      return;
    }
  }
  std::copy(bytes.begin(), bytes.end(), start() + used_);
  used_ += bytes.size();
}

void BlockTextWriter::comment(std::string_view utf8) { text(marker_).text(utf8).endLine(); }

void BlockTextWriter::titles(const std::vector<std::string_view>& columns) {
  text(marker_).text(" ");
  bool first = true;
  for (const std::string_view column : columns) {
    if (!first) tab();
    text(column);
    first = false;
  }
  endLine();
}

void BlockTextWriter::line(std::string_view utf8) { text(utf8).endLine(); }

}  // namespace korain
