// Tables of text for a terminal: columns as wide as their widest cell, counted
// in characters, so that "cm²" and "×" take one place each.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korain {

enum class Alignment { Left, Right };

struct TextColumn {
  std::string head;
  Alignment alignment = Alignment::Right;
};

using TextRow = std::vector<std::string>;

// The heads, then one line per row (cells past the columns are left out, a
// missing cell is empty), each line indented, columns two blanks apart and
// no blank at a line's end.
std::string textTable(const std::vector<TextColumn>& columns, const std::vector<TextRow>& rows,
                      std::string_view indent);

}  // namespace korain
