// Builds the lines of a database block as Windows-1252 bytes with CR LF ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/arrangement.h"
#include "text/number_format.h"

namespace korain {

// A name or identifier made safe to stand alone on its line or before the first
// TAB: TABs and line breaks become blanks, and a name that would read back as a
// comment or a banner is changed so that it reads back as itself.
std::string singleLine(std::string_view text);

// The bytes gather in a buffer of the writer's own and go to out a piece at a
// time, and the rest when the writer ends: a block is written value by value,
// and most values are a few bytes.
class BlockTextWriter {
 public:
  explicit BlockTextWriter(std::string& out);
  ~BlockTextWriter() { flush(); }
  BlockTextWriter(const BlockTextWriter&) = delete;
  BlockTextWriter& operator=(const BlockTextWriter&) = delete;

  // Text in UTF-8; characters the code page cannot hold become "?" and are counted.
  BlockTextWriter& text(std::string_view utf8);
  BlockTextWriter& tab() {
    put('\t');
    return *this;
  }
  BlockTextWriter& number(Long value) {
    used_ = static_cast<std::size_t>(writeFreeNumber(room(kFreeNumberRoom), value) - start());
    return *this;
  }
  BlockTextWriter& number(Single value) {
    used_ = static_cast<std::size_t>(writeFreeNumber(room(kFreeNumberRoom), value) - start());
    return *this;
  }
  BlockTextWriter& formatted(Single value, std::string_view pattern);
  BlockTextWriter& formatted(Single value, const NumberPattern& pattern);
  // A value in the coordinate format of the database texts.
  BlockTextWriter& coordinate(Single value) { return formatted(value, coordinatePattern_); }
  BlockTextWriter& flag(bool value) { return number(Long{value ? -1 : 0}); }
  void endLine() {
    put('\r');
    put('\n');
  }

  // A whole comment line: the marker followed by the text.
  void comment(std::string_view utf8 = {});
  // A comment line of column titles: the marker, a blank, the titles joined by TABs.
  void titles(const std::vector<std::string_view>& columns);
  // A whole line holding the text alone.
  void line(std::string_view utf8);

  int unmappableCharacters() const { return unmappable_; }

 private:
  static constexpr std::size_t kPendingBytes = std::size_t{1} << 14;

  char* start() { return pending_.data(); }
  // Where n more bytes can be written.
  char* room(std::size_t n) {
    if (kPendingBytes - used_ < n) flush();
    return start() + used_;
  }
  void put(char c) {
    *room(1) = c;
    ++used_;
  }
  void put(std::string_view bytes);
  // Out of line, so that room() and put(char), called for nearly every byte
  // of a block, stay small enough to be inlined.
  void flush();

  std::string& out_;
  const std::string& marker_;
  NumberPattern coordinatePattern_;
  std::string scratch_;  // a formatted number or a converted text on its way
  int unmappable_ = 0;
  std::array<char, kPendingBytes> pending_;
  std::size_t used_ = 0;
};

}  // namespace korain
