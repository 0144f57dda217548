// Builds the lines of a database block as Windows-1252 bytes with CR LF ends.
#pragma once

#include <string>
#include <string_view>

#include "model/arrangement.h"
#include "text/number_format.h"

namespace korain {

// A name or identifier made safe to stand alone on its line or before the first
// TAB: TABs and line breaks become blanks, and a name that would read back as a
// comment or a banner is changed so that it reads back as itself.
std::string singleLine(std::string_view text);

class BlockTextWriter {
 public:
  explicit BlockTextWriter(std::string& out);

  // Text in UTF-8; characters the code page cannot hold become "?" and are counted.
  BlockTextWriter& text(std::string_view utf8);
  BlockTextWriter& tab() {
    out_.push_back('\t');
    return *this;
  }
  BlockTextWriter& number(Long value);
  BlockTextWriter& number(Single value);
  BlockTextWriter& formatted(Single value, std::string_view pattern);
  BlockTextWriter& formatted(Single value, const NumberPattern& pattern);
  // A value in the coordinate format of the database texts.
  BlockTextWriter& coordinate(Single value) { return formatted(value, coordinatePattern_); }
  void endLine() { out_.append("\r\n"); }

  // A whole comment line: the marker followed by the text.
  void comment(std::string_view utf8 = {});
  // A comment line of column titles, joined by TABs.
  void titles(std::initializer_list<std::string_view> columns);
  // A whole line holding the text alone.
  void line(std::string_view utf8);

  BlockTextWriter& flag(bool value) {
    out_.append(value ? "-1 " : " 0 ");
    return *this;
  }

  int unmappableCharacters() const { return unmappable_; }

 private:
  std::string& out_;
  const std::string& marker_;
  NumberPattern coordinatePattern_;
  int unmappable_ = 0;
};

}  // namespace korain
