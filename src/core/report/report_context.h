// What every section of the data report works with, and the helpers they share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/arrangement.h"
#include "print/page_setup.h"
#include "print/print_surface.h"
#include "print/print_text.h"
#include "print/table_layout.h"
#include "ship/ship_data.h"

namespace korain {

struct ReportContext {
  PrintSurface& surface;
  PageSetup& setup;
  const Arrangement& arrangement;
  const ShipData& ship;
  double steelDensity;        // t/m³
  double thicknessDeduction;  // mm; 0: gross values only
};

// "Yes" or "No".
std::string_view yesNo(bool flag);

// The material's display name, or the text of material 0.
std::string materialText(const ReportContext& report, int material);

// The cells of the report's tables: a number with its "." on the column, a
// whole number (a position in a list) ending at it, a text from it, and a
// column head.
TableCell numberCell(int column, double value, std::string_view format = kDefaultNumberFormat);
TableCell indexCell(int column, int index);
TableCell textCell(int column, std::string text, Slant slant = Slant::AsFont);
TableCell headCell(int column, std::string text);
// A value the report has none of: "–" where the number would end.
TableCell absentCell(int column);

}  // namespace korain
