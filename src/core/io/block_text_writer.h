// Builds the lines of a database block as Windows-1252 bytes with CR LF ends.
#pragma once

#include <string>
#include <string_view>

#include "model/arrangement.h"

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
  BlockTextWriter& tab();
  BlockTextWriter& number(Long value);
  BlockTextWriter& number(Single value);
  BlockTextWriter& formatted(Single value, std::string_view pattern);
  void endLine();

  // A whole comment line: the marker followed by the text.
  void comment(std::string_view utf8 = {});
  // A comment line of column titles, joined by TABs.
  void titles(std::initializer_list<std::string_view> columns);
  // A whole line holding the text alone.
  void line(std::string_view utf8);

  // Values each followed by a TAB, as the compartment lines have them.
  BlockTextWriter& numberThenTab(Long value) { return number(value).tab(); }
  BlockTextWriter& formattedThenTab(Single value) {
    return formatted(value, coordinateFormat_).tab();
  }
  BlockTextWriter& flag(bool value) { return number(Long{value ? -1 : 0}); }

  const std::string& coordinateFormat() const { return coordinateFormat_; }
  int unmappableCharacters() const { return unmappable_; }

 private:
  std::string& out_;
  const std::string& marker_;
  const std::string& coordinateFormat_;
  int unmappable_ = 0;
};

}  // namespace korain
