// The strake bands with their strakes, and the corrugation of each bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "print/page_flow.h"
#include "report/report_sections.h"
#include "report/report_table.h"

namespace korain {

void printStrakeBands(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  // Bulkhead, band, the band's level, strake, the strake's end, thickness, material.
  ReportTable table{.Title = "Strake Bands",
                    .Tabs = {7, 15, 25, 35, 45, 57, 69, 73},
                    .Head = {{headCell(0, "Bulk."), headCell(1, "Band"), headCell(2, "Vert."),
                              headCell(3, "Strake"), headCell(4, "Horiz."),
                              headCell(5, "Thickness"), headCell(6, "Material")},
                             {headCell(2, "Distr."), headCell(4, "Distr."), headCell(5, "(mm)")},
                             {headCell(2, "z (m)"), headCell(4, "y (m)")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    for (int n = 1; n <= b.StrakeBands.count(); ++n) {
      const StrakeBand& band = b.StrakeBands.at(n);
      // The bulkhead and the band are named on their first strake, and again
      // on the first strake of a page that continues them.
      const TableLine place{indexCell(0, i), indexCell(1, n), numberCell(2, band.Z)};
      for (int t = 1; t <= band.Strakes.count(); ++t) {
        const Strake& strake = band.Strakes.at(t);
        TableLine line;
        if (n == 1 && t == 1) line.push_back(place[0]);
        if (t == 1) line.insert(line.end(), place.begin() + 1, place.end());
        line.push_back(indexCell(3, t));
        line.push_back(numberCell(4, strake.Y));
        line.push_back(numberCell(5, strake.Th, "#0.0"));
        line.push_back(textCell(6, materialText(report, strake.iMat)));
        table.Records.push_back({.Lines = {line}, .ContinuedCells = place});
      }
    }
  }
  printReportTable(report, table);
}

void printCorrugation(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  // Bulkhead, start, spacing, flange width, depth, fixed lower and upper support.
  ReportTable table{
      .Title = "Corrugation",
      .Tabs = {7, 15, 27, 39, 51, 65, 75, 78},
      .Head = {{headCell(0, "Bulk."), spanCell(1, 4, CellAlign::Head, "Geometry (m)"),
                spanCell(5, 6, CellAlign::Head, "Fixed Support")},
               {headCell(1, "Start"), headCell(2, "Spacing"), headCell(3, "Flange Width"),
                headCell(4, "Depth"), headCell(5, "Lower"), headCell(6, "Upper")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Corrugation& c = bulkheads.at(i).Corr;
    table.Records.push_back(
        {.Lines = {{indexCell(0, i), numberCell(1, c.Start), numberCell(2, c.S1),
                    numberCell(3, c.A), numberCell(4, c.D),
                    cell(5, CellAlign::Centre, std::string(yesNo(c.FixedLower))),
                    cell(6, CellAlign::Centre, std::string(yesNo(c.FixedUpper)))}}});
  }
  printReportTable(report, table);
}

}  // namespace korain
