// The title block of a printed drawing: eight lines, the cells that name its
// makers, and the scale.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

// One labelled cell of the title block ("Drawn by" and who drew it).
struct TitleBlockCell {
  std::string Label;
  std::string Value;
  bool operator==(const TitleBlockCell&) const = default;
};

struct TitleBlock {
  std::array<std::string, 8> Lines;
  // Only the cells given a value, in the order of TitleBlockMakers' fields.
  std::vector<TitleBlockCell> Cells{};
  // The normalised scale as "1:ratio", empty when the drawing fills the sheet.
  std::string Scale;
};

// Who made the drawing, as the configuration names them; empty when not given
// (each may be left out where one is written).
struct TitleBlockMakers {
  std::string Company{};
  std::string Department{};
  std::string Project{};
  std::string DrawnBy{};
  std::string CheckedBy{};
};

// What the user typed in the print dialog and what the program knows.
struct TitleBlockInput {
  std::array<std::string, 3> TypedLines;
  std::string Version;  // the release, as the program states it everywhere
  std::string Date;
  Integer ShownObjectKind = 0;  // the panel code shown
  std::string LoginName;
  std::string ComputerName;
  TitleBlockMakers Makers;
};

// Version, date, ship name (or the first typed line), the second typed line,
// the third typed line (or the second ship title), the section's X, the kind
// of object shown, and user and machine; then a cell for each maker given.
TitleBlock fillTitleBlock(const TitleBlockInput& input, const Arrangement& arrangement,
                          const ShipData& ship);

}  // namespace korain
