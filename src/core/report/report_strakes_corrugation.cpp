// The strake bands with their strakes, and the corrugation of each bulkhead.
#include <string>

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"

namespace korain {
namespace {

const Columns kStrakeColumns{7, 15, 25, 35, 45, 57, 69, 73};
const Columns kCorrugationColumns{7, 15, 27, 39, 51, 65, 75, 78};

}  // namespace

void printStrakeBands(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  const std::string title = "Strake Bands";
  const Columns& c = kStrakeColumns;
  const std::vector<HeadLine> head{{{c[0], "Bulk."},
                                    {c[1], "Band"},
                                    {c[2], "Vert."},
                                    {c[3], "Strake"},
                                    {c[4], "Horiz."},
                                    {c[5], "Thickness"},
                                    {c[6] + 2, "Material"}},
                                   {{c[2], "Distr."}, {c[4], "Distr."}},
                                   {{c[2], "z (m)"}, {c[4], "y (m)"}}};
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    bool first = true;
    for (int n = 1; n <= b.StrakeBands.count(); ++n) {
      const StrakeBand& band = b.StrakeBands.at(n);
      for (int t = 1; t <= band.Strakes.count(); ++t) {
        const Strake& strake = band.Strakes.at(t);
        ensureRow(report, title, c, head);
        if (first) printRight(report.surface, c[0] + 1, std::to_string(i));
        if (t == 1) {
          printRight(report.surface, c[1] + 1, std::to_string(n));
          printValue(report, c[2], band.Z);
        }
        printRight(report.surface, c[3] + 1, std::to_string(t));
        printValue(report, c[4], strake.Y);
        printValue(report, c[5], strake.Th, "#0.0");
        printAt(report.surface, c[6] - 3, materialText(report, strake.iMat));
        report.surface.newLine();
        first = false;
      }
    }
  }
  advanceY(report.surface, 1);
}

void printCorrugation(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  const std::string title = "Corrugation";
  const Columns& c = kCorrugationColumns;
  const std::vector<HeadLine> head{
      {{c[0], "Bulk."}, {(c[1] + c[4]) / 2, "Geometry (m)"}, {(c[5] + c[6]) / 2, "Fixed Support"}},
      {{c[1], "Start"},
       {c[2], "Spacing"},
       {c[3], "Flange Width"},
       {c[4], "Depth"},
       {c[5], "Lower"},
       {c[6], "Upper"}}};
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Corrugation& corrugation = bulkheads.at(i).Corr;
    ensureRow(report, title, c, head);
    printRight(report.surface, c[0] + 1, std::to_string(i));
    printValue(report, c[1], corrugation.Start);
    printValue(report, c[2], corrugation.S1);
    printValue(report, c[3], corrugation.A);
    printValue(report, c[4], corrugation.D);
    printCentred(report.surface, c[5], yesNo(corrugation.FixedLower));
    printCentred(report.surface, c[6], yesNo(corrugation.FixedUpper));
    report.surface.newLine();
  }
  advanceY(report.surface, 1);
}

}  // namespace korain
