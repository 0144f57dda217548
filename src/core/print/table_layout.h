// Where the columns of a report table stand: each column has one anchor for
// all its cells, at its tab column unless the widest cells of the columns to
// its left push it further right, so that no two cells of a line touch.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "print/print_surface.h"
#include "print/print_text.h"

namespace korain {

enum class CellAlign {
  Left,     // begins at the anchor
  Right,    // ends at the anchor
  Centre,   // centred on the anchor
  Decimal,  // its "." on the anchor; a text without "." ends there
  Head,     // centred over the values of its columns, as a column head
};

struct TableCell {
  // The columns the cell stands in, from 0; a head or a note may span several,
  // and then no other cell of its line stands in them.
  int First = 0;
  int Last = 0;
  CellAlign Align = CellAlign::Left;
  std::string Text;
  Slant FontSlant = Slant::AsFont;
};

// One printed line of a table: its cells, in column order.
using TableLine = std::vector<TableCell>;

// A cell in one column, and a cell over several.
TableCell cell(int column, CellAlign align, std::string text, Slant slant = Slant::AsFont);
TableCell spanCell(int first, int last, CellAlign align, std::string text,
                   Slant slant = Slant::AsFont);

class TableLayout {
 public:
  // `tabs` are the columns' tab columns, left to right; `lines` every line the
  // table may print (heads, rows, and the forms rows take on a new page),
  // measured in the surface's current font.
  TableLayout(PrintSurface& surface, const std::vector<int>& tabs,
              const std::vector<TableLine>& lines);

  int columnCount() const { return static_cast<int>(anchors_.size()); }
  // The x of a column's anchor.
  double anchor(int column) const { return anchors_.at(static_cast<std::size_t>(column)); }
  // How far the anchor moved right of its tab column (0 when it did not).
  double shift(int column) const;
  // The right end of the table's rules: the last column's anchor, or the
  // right edge of its rightmost cell when that lies further.
  double ruleWidth() const { return ruleWidth_; }

  // Prints the cells of the line on the current line of the surface; y stays,
  // x returns to 0.
  void print(PrintSurface& surface, const TableLine& line) const;

 private:
  // A cell's left and right edges for the current anchors.
  struct Extent {
    double left = 0;
    double right = 0;
  };
  Extent extentOf(const TableCell& cell, double width, double beforePoint) const;
  // Moves the columns so that the cells of every line keep a blank apart;
  // true when something moved.
  bool separate(const std::vector<TableLine>& lines, const std::vector<std::vector<double>>& widths,
                const std::vector<std::vector<double>>& beforePoints, double blank);
  void measureValues(const std::vector<TableLine>& lines,
                     const std::vector<std::vector<double>>& widths,
                     const std::vector<std::vector<double>>& beforePoints);

  std::vector<double> tabXs_;
  std::vector<double> anchors_;
  // Per column, the left and right edges of its one-column value cells,
  // relative to its anchor: the span a head is centred over.
  std::vector<Extent> values_;
  double ruleWidth_ = 0;
};

}  // namespace korain
