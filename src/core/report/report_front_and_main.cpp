// The front page and the main data of the arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/codes.h"
#include "print/font_change.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "report/report_table.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

// Labels at the first column, names at the second, lengths with their "."
// on the third and their unit after them.
const std::vector<int> kMainTabs{1, 50, 55, 80, 82};

// Points the arrangement's name is set larger than the report's text, where it fits.
constexpr double kArrangementNameIncrease = 8;

TableRecord labelOnly(std::string label) { return {.Lines = {{textCell(0, std::move(label))}}}; }

TableRecord lengthLine(std::string label, double value, const std::string& unit) {
  TableCell length = numberCell(2, value);
  length.Text += unit;
  return {.Lines = {{textCell(0, std::move(label)), length}}};
}

// How much larger than the text the name is set: as much as the width allows.
double nameIncrease(PrintSurface& surface, std::string_view name) {
  for (double increase = kArrangementNameIncrease; increase > 0; --increase) {
    PrintFont font = surface.font();
    font.Size += increase;
    font.Bold = true;
    const FontChange change(surface, font);
    if (surface.textWidth(name) <= surface.width()) return increase;
  }
  return 0;
}

// The arrangement's name stands out above the title block's lines.
void printArrangementName(PrintSurface& surface, std::string_view name) {
  const std::string_view shown = trimmed(name);
  if (shown.empty()) return;
  printSectionTitle(surface, shown, surface.width(), nameIncrease(surface, shown));
}

void printCentredLine(PrintSurface& surface, std::string_view text) {
  surface.setX((surface.width() - surface.textWidth(text)) / 2);
  surface.print(text);
  surface.newLine();
}

void printUserLines(PrintSurface& surface, const PageSetup& setup) {
  printAt(surface, 1, "User : " + setup.UserName);
  surface.newLine();
  printAt(surface, 1, "Organisation : " + setup.Organisation);
  surface.newLine();
  if (!setup.LoginName.empty()) {
    printAt(surface, 1, "Login : " + setup.LoginName);
    surface.newLine();
  }
}

}  // namespace

void printFrontPage(ReportContext& report, const TitleBlock& titles) {
  PrintSurface& surface = report.surface;
  if (isOutputHidden(surface)) return;
  const double logoWidth = surface.width();
  surface.drawPicture({ReportPicture::Kind::Logo, 0}, 0, surface.y(), logoWidth, logoWidth * 0.3);
  surface.setY(surface.height() * 0.3);
  printArrangementName(surface, report.arrangement.Name);
  surface.setY(surface.height() * 0.38);
  for (const std::string& line : titles.Lines) {
    if (!line.empty()) printSectionTitle(surface, line);
    advanceY(surface, 2);
  }
  advanceY(surface, 1);
  for (const TitleBlockCell& cell : titles.Cells) {
    printCentredLine(surface, cell.Label + " : " + cell.Value);
  }
  surface.setY(surface.height() * 0.85);
  printUserLines(surface, report.setup);
}

void printMainData(ReportContext& report, Long enteredSide) {
  PrintSurface& surface = report.surface;
  if (isOutputHidden(surface)) return;
  const Arrangement& a = report.arrangement;
  const std::string metres = korainString(text_id::kMetresUnit);
  const ReportTable arrangement{
      .Title = "Bulkhead Arrangement",
      .Tabs = kMainTabs,
      .Records = {{.Lines = {{textCell(0, "Bulkhead identification:"), textCell(1, a.Name)}}},
                  lengthLine("Longitudinal location:", a.X, metres),
                  labelOnly("Input of: " + std::string(sideText(enteredSide).value_or("")))}};
  const ReportTable hold{
      .Title = "Hold Data",
      .Tabs = kMainTabs,
      .Records = {
          labelOnly("Fore Hold Hopper"), lengthLine("    Breadth:", a.ForeHopperBreadth, metres),
          lengthLine("    Ztop/BL:", a.ForeHopperZTop, metres), labelOnly("Aft Hold Hopper"),
          lengthLine("    Breadth:", a.AftHopperBreadth, metres),
          lengthLine("    Ztop/BL:", a.AftHopperZTop, metres), labelOnly("Stool"),
          lengthLine("    Volume:", a.StoolVolume, korainString(text_id::kCubicMetresUnit))}};
  // Both parts share their columns, as one table would.
  std::vector<TableLine> lines = linesOf(arrangement);
  const std::vector<TableLine> holdLines = linesOf(hold);
  lines.insert(lines.end(), holdLines.begin(), holdLines.end());
  ensureSpace(surface, report.setup, 16);
  const FittedTable fitted = fitTable(surface, kMainTabs, lines);
  printReportTable(report, arrangement, fitted);
  printReportTable(report, hold, fitted);
}

}  // namespace korain
