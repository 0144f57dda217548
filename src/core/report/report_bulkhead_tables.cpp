// The bulkhead description, the nodes and the primary members, with the
// drawing of each bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "checks/code_texts.h"
#include "model/codes.h"
#include "print/page_flow.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "report/report_table.h"
#include "text/number_format.h"
#include "view/world_window.h"

namespace korain {
namespace {

// The drawing takes this many lines of the page, and keeps half a line clear
// above and below it.
constexpr int kDrawingLines = 24;
constexpr double kDrawingGap = 2;  // advanceY's divisor: half a line
// The drawing's margin around the bulkhead (its share of the larger side),
// the lines its name and scale bar take, and its width between these shares
// of the page.
constexpr double kDrawingMargin = 0.1;
constexpr int kDrawingTextLines = 5;
constexpr double kDrawingNarrowest = 0.4;
constexpr double kDrawingWidest = 0.8;

std::string codeText(std::optional<std::string_view> text) {
  return std::string(text.value_or(""));
}

// The line that opens a bulkhead's rows, over the whole table: its number and
// name, and on a new page that they continue, a word that says so.
enum class BannerPlace { First, Continued };
TableLine banner(int number, const Bulkhead& bulkhead, int lastColumn,
                 BannerPlace place = BannerPlace::First) {
  return {spanCell(0, lastColumn, CellAlign::Left,
                   "Bulk. " + std::to_string(number) + "  " + bulkhead.Name +
                       (place == BannerPlace::Continued ? "  (continued)" : ""),
                   Slant::Italic)};
}

// The record of a bulkhead's `row`-th object: the first opens with the
// bulkhead's banner, which it keeps on its page; the others, when they open a
// page, are preceded by the banner saying that the bulkhead continues. The
// first never is: nothing of the bulkhead stands before it.
TableRecord bulkheadRecord(int number, const Bulkhead& bulkhead, int row, int lastColumn,
                           std::vector<TableLine> lines) {
  if (row == 1) {
    lines.insert(lines.begin(), banner(number, bulkhead, lastColumn));
    return {.Lines = std::move(lines)};
  }
  return {.Lines = std::move(lines),
          .ContinuedLines = {banner(number, bulkhead, lastColumn, BannerPlace::Continued)}};
}

TableCell stoolCell(int column, bool enabled, Single z) {
  return enabled ? numberCell(column, z) : cell(column, CellAlign::Centre, "-");
}

std::string extremitiesText(const List<Single>& extremities) {
  std::string text;
  for (const Single value : extremities) {
    if (!text.empty()) text += "   ";
    text += formatNumber(value, "#0.000");
  }
  return text;
}

std::string nodeNote(const Node& n) {
  return "intersection " + std::to_string(n.Inter) + ", panel " + std::to_string(n.Ipan) +
         ", node " + std::to_string(n.Inod) + ", position code " + std::to_string(n.PCod) +
         (n.knu != 0 ? ", knuckle" : ", no knuckle");
}

}  // namespace

void printBulkheadDescription(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  // Number, name, type, material, stiffener side and direction, the two stool
  // levels and the sloped mark of the upper stool.
  ReportTable table{.Title = "Bulkhead Description",
                    .Tabs = {1, 3, 5, 25, 43, 50, 72, 90, 100, 105},
                    .Head = {{headCell(1, "Bulk."), headCell(3, "Type"), headCell(4, "Material"),
                              spanCell(5, 6, CellAlign::Head, "Ordinary"), headCell(7, "Lower"),
                              headCell(8, "Upper")},
                             {headCell(5, "Stiffeners"), headCell(6, "Stiffeners"),
                              headCell(7, "stool"), headCell(8, "stool")},
                             {headCell(5, "Location"), headCell(6, "direction"),
                              headCell(7, "Ztop/BL"), headCell(8, "Ztop/BL")},
                             {headCell(7, "(m)"), headCell(8, "(m)")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    TableLine details{textCell(3, codeText(bulkheadTypeText(b.Typ))),
                      textCell(4, materialText(report, b.iMat)),
                      textCell(5, codeText(sideText(b.stfside))),
                      textCell(6, codeText(directionText(b.stfHV))),
                      stoolCell(7, b.Stool1Enabled, b.Stool1Z),
                      stoolCell(8, b.Stool2Enabled, b.Stool2Z)};
    if (b.Stool2Enabled && b.UpperStoolSloped) details.push_back(textCell(9, "sloped"));
    table.Records.push_back(
        {.Lines = {{indexCell(1, i), spanCell(2, 9, CellAlign::Left, b.Name)}, details}});
  }
  printReportTable(report, table);
}

void printNodes(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  // The banner's column, then node, curve code, y, z, the tangent point's y and z, radius.
  constexpr int kLast = 7;
  ReportTable table{
      .Title = "Nodes - Geometry",
      .Tabs = {1, 7, 13, 18, 28, 38, 47, 55},
      .Head = {{headCell(1, "Node"), headCell(2, "Curve"), headCell(3, "y"), headCell(4, "z"),
                spanCell(5, 6, CellAlign::Head, "Tangent point"), headCell(7, "Radius")},
               {headCell(2, "code"), headCell(3, "(m)"), headCell(4, "(m)"), headCell(5, "y (m)"),
                headCell(6, "z (m)"), headCell(7, "(m)")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    for (int k = 1; k <= b.Nodes.count(); ++k) {
      const Node& n = b.Nodes.at(k);
      table.Records.push_back(
          bulkheadRecord(i, b, k, kLast,
                         {{indexCell(1, k), cell(2, CellAlign::Centre, std::to_string(n.ShCur)),
                           numberCell(3, n.Y), numberCell(4, n.Z), numberCell(5, n.ShYT),
                           numberCell(6, n.ShZT), numberCell(7, n.ShR)},
                          {spanCell(2, kLast, CellAlign::Left, nodeNote(n), Slant::Italic)}}));
    }
    if (!b.Nodes.isDimensioned()) {
      table.Records.push_back({.Lines = {banner(i, b, kLast)}});
    }
  }
  printReportTable(report, table);
}

void printPrimaryMembers(ReportContext& report, BulkheadDrawings drawings) {
  if (isOutputHidden(report.surface)) return;
  // The banner's column, then member, direction, position, from, to and every
  // extremity and crossing.
  constexpr int kLast = 9;
  const ReportTable head{
      .Title = "Primary supporting members",
      .Tabs = {1, 7, 13, 20, 30, 42, 54, 64, 85, 87},
      .Head = {{headCell(1, "Memb."), headCell(2, "Direction"), headCell(4, "Position"),
                headCell(5, "From"), headCell(6, "To"), headCell(7, "Extremities and crossings")},
               {headCell(4, "(m)"), headCell(5, "(m)"), headCell(6, "(m)"), headCell(7, "(m)")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  // With drawings, each bulkhead's table is followed by its drawing; the
  // table's columns stay the same from one bulkhead to the next.
  ReportTable all = head;
  std::vector<ReportTable> perBulkhead;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    ReportTable table = head;
    for (int j = 1; j <= b.PrimaryMembers.count(); ++j) {
      const PrimaryMember& m = b.PrimaryMembers.at(j);
      TableLine line{indexCell(1, j), textCell(2, codeText(directionText(m.HV))),
                     numberCell(4, m.Position)};
      if (m.Extremities.isDimensioned()) {
        line.push_back(numberCell(5, m.Extremities.first()));
        line.push_back(numberCell(6, m.Extremities.last()));
        line.push_back(textCell(7, extremitiesText(m.Extremities)));
      }
      table.Records.push_back(bulkheadRecord(i, b, j, kLast, {line}));
    }
    if (!b.PrimaryMembers.isDimensioned()) {
      table.Records.push_back({.Lines = {banner(i, b, kLast)}});
    }
    all.Records.insert(all.Records.end(), table.Records.begin(), table.Records.end());
    perBulkhead.push_back(std::move(table));
  }
  if (drawings == BulkheadDrawings::Omitted) {
    printReportTable(report, all);
    return;
  }
  const FittedTable fitted = fitTable(report.surface, all.Tabs, linesOf(all));
  for (std::size_t k = 0; k < perBulkhead.size(); ++k) {
    printReportTable(report, perBulkhead[k], fitted);
    printBulkheadDrawing(report, static_cast<int>(k) + 1);
  }
}

void printBulkheadDrawing(ReportContext& report, int bulkhead) {
  PrintSurface& surface = report.surface;
  advanceY(surface, kDrawingGap);
  ensureSpace(surface, report.setup, kDrawingLines);
  const double height = (kDrawingLines - 1) * surface.lineHeight();
  // As wide as the bulkhead's proportions ask, with its margins, the name
  // above and the scale bar below, and no more than most of the page.
  const WorldWindow extent = bulkheadExtent(report.arrangement, bulkhead);
  const double margin = std::max(extent.width, extent.height) * kDrawingMargin;
  const double drawn = height - kDrawingTextLines * surface.lineHeight();
  const double width =
      std::clamp(drawn * (extent.width + margin) / (extent.height + margin),
                 surface.width() * kDrawingNarrowest, surface.width() * kDrawingWidest);
  surface.drawPicture({ReportPicture::Kind::Bulkhead, bulkhead}, (surface.width() - width) / 2,
                      surface.y(), width, height);
  surface.setY(surface.y() + height);
  advanceY(surface, kDrawingGap);
  surface.newLine();
}

}  // namespace korain
