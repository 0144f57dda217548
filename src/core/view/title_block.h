// The eight lines of the title block of a printed drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "model/arrangement.h"
#include "ship/ship_data.h"
#include "text/text_utils.h"

namespace korain {

struct TitleBlock {
  std::array<std::string, 8> Lines;
  // The normalised scale as "1:ratio", empty when the drawing fills the sheet.
  std::string Scale;
};

// What the user typed in the print dialog and what the program knows.
struct TitleBlockInput {
  std::array<std::string, 3> TypedLines;
  ProgramVersion Version;
  std::string Date;
  Integer ShownObjectKind = 0;  // the panel code shown
  std::string LoginName;
  std::string ComputerName;
};

// Version, date, ship name (or the first typed line), the second typed line,
// the third typed line (or the second ship title), the section's X, the kind
// of object shown, and user and machine.
TitleBlock fillTitleBlock(const TitleBlockInput& input, const Arrangement& arrangement,
                          const ShipData& ship);

}  // namespace korain
