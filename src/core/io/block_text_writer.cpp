// Builds the lines of a database block as Windows-1252 bytes with CR LF ends.
#include "io/block_text_writer.h"

#include "io/database_texts.h"
#include "text/cp1252.h"
#include "text/number_format.h"

namespace korain {

BlockTextWriter::BlockTextWriter(std::string& out)
    : out_(out),
      marker_(DatabaseTexts::get().commentMarker),
      coordinateFormat_(DatabaseTexts::get().coordinateFormat) {}

BlockTextWriter& BlockTextWriter::text(std::string_view utf8) {
  if (isAscii(utf8)) {
    out_.append(utf8);
  } else {
    unmappable_ += appendCp1252FromUtf8(out_, utf8);
  }
  return *this;
}

BlockTextWriter& BlockTextWriter::tab() {
  out_.push_back('\t');
  return *this;
}

BlockTextWriter& BlockTextWriter::number(Long value) {
  appendFreeNumber(out_, value);
  return *this;
}

BlockTextWriter& BlockTextWriter::number(Single value) {
  appendFreeNumber(out_, value);
  return *this;
}

BlockTextWriter& BlockTextWriter::formatted(Single value, std::string_view pattern) {
  appendFormattedNumber(out_, static_cast<double>(value), pattern);
  return *this;
}

void BlockTextWriter::endLine() { out_.append("\r\n"); }

void BlockTextWriter::comment(std::string_view utf8) { text(marker_).text(utf8).endLine(); }

void BlockTextWriter::titles(std::initializer_list<std::string_view> columns) {
  text(marker_);
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
