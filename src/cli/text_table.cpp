// Laying out columns of text as wide as their widest cell, counted in characters.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_table.h"

#include <algorithm>

#include "text/utf8.h"

namespace korain {
namespace {

std::string_view cellOf(const TextRow& row, std::size_t column) {
  return column < row.size() ? std::string_view(row[column]) : std::string_view{};
}

std::vector<std::size_t> columnWidths(const std::vector<TextColumn>& columns,
                                      const std::vector<TextRow>& rows) {
  std::vector<std::size_t> widths;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    std::size_t width = characterCount(columns[c].head);
    for (const TextRow& row : rows) width = std::max(width, characterCount(cellOf(row, c)));
    widths.push_back(width);
  }
  return widths;
}

void appendLine(std::string& text, const std::vector<TextColumn>& columns,
                const std::vector<std::size_t>& widths, const TextRow& cells,
                std::string_view indent) {
  std::string line(indent);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) line += "  ";
    const std::string_view cell = cellOf(cells, c);
    const std::size_t blanks = widths[c] - characterCount(cell);
    if (columns[c].alignment == Alignment::Right) line.append(blanks, ' ');
    line += cell;
    if (columns[c].alignment == Alignment::Left) line.append(blanks, ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  text.append(line).append("\n");
}

}  // namespace

std::string textTable(const std::vector<TextColumn>& columns, const std::vector<TextRow>& rows,
                      std::string_view indent) {
  const std::vector<std::size_t> widths = columnWidths(columns, rows);
  TextRow heads;
  for (const TextColumn& column : columns) heads.push_back(column.head);
  std::string text;
  appendLine(text, columns, widths, heads, indent);
  for (const TextRow& row : rows) appendLine(text, columns, widths, row, indent);
  return text;
}

}  // namespace korain
