// The title block filled from the typed lines, the program, the section and its makers.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/title_block.h"

#include "model/codes.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

bool isBlank(const std::string& text) { return trimmed(text).empty(); }

std::string shipTitle(const ShipData& ship, int line) {
  return std::string(trimmed(ship.Titles.at(line)));
}

std::vector<TitleBlockCell> makerCells(const TitleBlockMakers& makers) {
  const TitleBlockCell all[] = {{"Company", makers.Company},
                                {"Department", makers.Department},
                                {"Project", makers.Project},
                                {"Drawn by", makers.DrawnBy},
                                {"Checked by", makers.CheckedBy}};
  std::vector<TitleBlockCell> given;
  for (const TitleBlockCell& cell : all) {
    if (!isBlank(cell.Value)) given.push_back({cell.Label, std::string(trimmed(cell.Value))});
  }
  return given;
}

}  // namespace

TitleBlock fillTitleBlock(const TitleBlockInput& input, const Arrangement& arrangement,
                          const ShipData& ship) {
  TitleBlock block;
  block.Lines[0] = korainString(text_id::kProgramVersionLine) + input.Version;
  block.Lines[1] = korainString(text_id::kDateLine) + input.Date;
  block.Lines[2] = isBlank(input.TypedLines[0]) ? shipTitle(ship, 1) : input.TypedLines[0];
  block.Lines[3] = input.TypedLines[1];
  block.Lines[4] = isBlank(input.TypedLines[2]) ? shipTitle(ship, 2) : input.TypedLines[2];
  block.Lines[5] = formatMessage(korainString(text_id::kSectionAtX), {arrangement.X});
  block.Lines[6] = std::string(objectKindText(input.ShownObjectKind).value_or(""));
  block.Lines[7] = input.LoginName + " " + input.ComputerName;
  block.Cells = makerCells(input.Makers);
  return block;
}

}  // namespace korain
