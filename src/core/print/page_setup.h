// The page set-up of a printed report, kept by the print dialog between prints.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace korain {

struct PageSetup {
  // Centimetres. The left margin is measured from the left edge of the
  // printable area; the foot and bottom margins from its bottom edge: the
  // footer stands on the foot margin, the text stops at the bottom margin.
  double LeftMargin = 2.0;
  double FootMargin = 0.5;
  double BottomMargin = 1.5;
  // The report font; an empty name keeps the surface's own.
  std::string FontName = "Arial";
  // 8 points: the widest tables of the report run to tab column 105, which
  // fits an A4 page at this size, as it does on the preview.
  double FontSize = 8;
  std::string SymbolFontName = "Symbol";
  // The number printed on the document's first page.
  int FirstPage = 1;
  // The footers printed so far in the current document.
  int PageCounter = 0;
  // The front page's texts.
  std::string UserName;
  std::string Organisation;
  // Printed in every footer.
  std::string LoginName;
  // Printed at the top of every page after the first: the file and the ship.
  std::vector<std::string> HeaderLines;
};

}  // namespace korain
