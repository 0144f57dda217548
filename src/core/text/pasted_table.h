// Tables of numbers as the clipboard carries them between the editor's tables
// and a spreadsheet or a text editor: read from a paste, written for a copy.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korain {

// How many values a row of the table takes.
struct PasteShape {
  int fewest = 1;
  int most = 1;
};

// One row read: its values in order and the line of the text it came from.
struct PastedRow {
  int line = 0;
  std::vector<double> values;

  bool operator==(const PastedRow&) const = default;
};

// Why a paste is refused: the line (1-based, 0 for the paste as a whole) and
// what was wrong there. Nothing of a refused paste is applied.
struct PasteRefusal {
  int line = 0;
  std::string reason;

  bool operator==(const PasteRefusal&) const = default;
};

using PasteReading = std::variant<std::vector<PastedRow>, PasteRefusal>;

// Reads pasted text: a row a line (CR LF or LF; blank lines before the first
// row and after the last are ignored, a blank line between rows is refused).
// The values of a row are separated by TABs when the text holds any TAB
// (a spreadsheet's cells), else by semicolons when it holds any, else by
// blanks. A comma is always a decimal mark, as a point is, and never a
// separator: "1,5" is 1.5, and a value with both marks, two of them or a
// thousands separator ("1,000.5", "1.5,2.5") is refused rather than guessed.
// A first line of words only (a spreadsheet's headings) is skipped; a word
// anywhere else is refused. Empty cells at a row's end are dropped; an empty
// cell before a value is refused, since the values after it would move.
PasteReading readPastedTable(std::string_view text, PasteShape shape);

// "Line 3: ..." for a refusal, the reason alone for one about the whole paste.
std::string refusalText(const PasteRefusal& refusal);

// Rows as a copy for a spreadsheet: values separated by TAB, a point before
// the decimals, as few digits as give back the same single-precision value,
// each row ended by a line feed.
std::string writeCopiedTable(const std::vector<std::vector<float>>& rows);

}  // namespace korain
