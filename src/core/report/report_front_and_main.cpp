// The front page and the main data of the arrangement.
#include "model/codes.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "text/string_table.h"

namespace korain {
namespace {

const Columns kMainColumns{1, 50, 55, 80, 82};

void printLengthLine(ReportContext& report, std::string_view label, double value,
                     std::string_view unit) {
  printAt(report.surface, kMainColumns[0], label);
  printValue(report, kMainColumns[2], value);
  report.surface.print(unit);
  report.surface.newLine();
}

}  // namespace

void printFrontPage(ReportContext& report, const TitleBlock& titles) {
  PrintSurface& surface = report.surface;
  if (isOutputHidden(surface)) return;
  const double logoWidth = surface.width();
  surface.drawPicture({ReportPicture::Kind::Logo, 0}, 0, surface.y(), logoWidth, logoWidth * 0.3);
  surface.setY(surface.height() * 0.38);
  for (const std::string& line : titles.Lines) {
    if (!line.empty()) printSectionTitle(surface, line);
    advanceY(surface, 2);
  }
  surface.setY(surface.height() * 0.85);
  printAt(surface, 1, "User : " + report.setup.UserName);
  surface.newLine();
  printAt(surface, 1, "Organisation : " + report.setup.Organisation);
  surface.newLine();
  if (!report.setup.LoginName.empty()) {
    printAt(surface, 1, "Login : " + report.setup.LoginName);
    surface.newLine();
  }
}

void printMainData(ReportContext& report, Long enteredSide) {
  PrintSurface& surface = report.surface;
  if (isOutputHidden(surface)) return;
  const Arrangement& a = report.arrangement;
  const std::string metres = korainString(text_id::kMetresUnit);
  ensureSpace(surface, report.setup, 16);
  printTitleAndRule(report, "Bulkhead Arrangement", kMainColumns);
  printAt(surface, kMainColumns[0], "Bulkhead identification:");
  printAt(surface, kMainColumns[1], a.Name);
  surface.newLine();
  printLengthLine(report, "Longitudinal location:", a.X, metres);
  printAt(surface, kMainColumns[0], "Input of: ");
  surface.print(sideText(enteredSide).value_or(""));
  surface.newLine();
  advanceY(surface, 1);
  printTitleAndRule(report, "Hold Data", kMainColumns);
  printAt(surface, kMainColumns[0], "Fore Hold Hopper");
  surface.newLine();
  printLengthLine(report, "    Breadth:", a.ForeHopperBreadth, metres);
  printLengthLine(report, "    Ztop/BL:", a.ForeHopperZTop, metres);
  printAt(surface, kMainColumns[0], "Aft Hold Hopper");
  surface.newLine();
  printLengthLine(report, "    Breadth:", a.AftHopperBreadth, metres);
  printLengthLine(report, "    Ztop/BL:", a.AftHopperZTop, metres);
  printAt(surface, kMainColumns[0], "Stool");
  surface.newLine();
  printLengthLine(report, "    Volume:", a.StoolVolume, korainString(text_id::kCubicMetresUnit));
  advanceY(surface, 1);
}

}  // namespace korain
