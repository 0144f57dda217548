// The compartments of every bulkhead: who they are, then for each side their
// dimensions, highest points, loads, dynamic pressure request and free surfaces.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "model/compartment_tables.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "report/report_table.h"
#include "resonance/compartment_codes.h"
#include "text/string_table.h"

namespace korain {
namespace {

// A table of one row per bulkhead for one side: the bulkhead number ending at
// the first column, then the cells that `row` gives for the side's compartment.
template <typename Row>
ReportTable sideTable(const ReportContext& report, std::string title, std::vector<int> tabs,
                      std::vector<TableLine> head, int side, Row row) {
  ReportTable table{.Title = std::move(title), .Tabs = std::move(tabs), .Head = std::move(head)};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    TableRecord record{.Lines = row(bulkheads.at(i).Compartments.at(side))};
    if (record.Lines.empty()) record.Lines.emplace_back();
    record.Lines.front().insert(record.Lines.front().begin(), indexCell(0, i));
    table.Records.push_back(std::move(record));
  }
  return table;
}

void printList(ReportContext& report) {
  // Bulkhead, then destination and type of the forward and of the aftward
  // compartment, their names below.
  ReportTable table{.Title = "Compartment",
                    .Tabs = {7, 10, 45, 70, 90},
                    .Head = {{headCell(0, "Bulk."), spanCell(1, 2, CellAlign::Head, "Forward"),
                              spanCell(3, 4, CellAlign::Head, "Aftward")},
                             {headCell(1, "Destination"), headCell(2, "Type"),
                              headCell(3, "Destination"), headCell(4, "Type")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Compartment& forward = bulkheads.at(i).Compartments.at(1);
    const Compartment& aftward = bulkheads.at(i).Compartments.at(2);
    table.Records.push_back(
        {.Lines = {{indexCell(0, i), textCell(1, mainDestinationText(forward.B)),
                    textCell(2, compartmentTypeText(forward.A)),
                    textCell(3, mainDestinationText(aftward.B)),
                    textCell(4, compartmentTypeText(aftward.A))},
                   {textCell(1, forward.Name, Slant::Italic),
                    textCell(3, aftward.Name, Slant::Italic)}}});
  }
  printReportTable(report, table);
}

void printDimensions(ReportContext& report, int side) {
  const std::vector<TableLine> head{
      {headCell(0, "Bulk."), headCell(1, "Length"), headCell(2, "Breadth"), headCell(3, "Height"),
       headCell(4, "X start"), headCell(5, "Xg"), headCell(6, "Yg"), headCell(7, "Zg"),
       headCell(8, "Zmin/BL"), headCell(9, "Ztop/BL")},
      {headCell(4, "from APP"), headCell(5, "from APP")}};
  printReportTable(
      report, sideTable(report, korainString(text_id::kDimensionsHeading),
                        {5, 10, 21, 31, 43, 53, 63, 75, 85, 95, 98}, head, side,
                        [](const Compartment& compartment) {
                          const int fields[] = {kLengthEntry,  kBreadthEntry, kHeightEntry,
                                                kXStartEntry,  kCentreXEntry, kCentreYEntry,
                                                kCentreZEntry, kBottomEntry,  kTopEntry};
                          TableLine line;
                          for (int k = 0; k < 9; ++k) {
                            line.push_back(numberCell(k + 1, compartment.Table1.at(fields[k])));
                          }
                          return std::vector<TableLine>{line};
                        }));
}

void printHighestPoints(ReportContext& report, int side) {
  TableLine head{headCell(0, "Bulk.")};
  for (int k = 1; k <= 8; ++k) head.push_back(headCell(k, "Point " + std::to_string(k)));
  printReportTable(
      report,
      sideTable(report, korainString(text_id::kHighestPointsHeading),
                {5, 12, 23, 36, 47, 60, 71, 84, 95, 99}, {head}, side,
                [](const Compartment& compartment) {
                  TableLine line;
                  if (compartment.UseRuleRoll) {
                    line.push_back(
                        spanCell(1, 8, CellAlign::Left, korainString(text_id::kRuleValues)));
                  } else {
                    for (int k = kFirstHighestPointEntry; k <= kLastHighestPointEntry; ++k) {
                      line.push_back(
                          numberCell(k - kFirstHighestPointEntry + 1, compartment.Table1.at(k)));
                    }
                  }
                  return std::vector<TableLine>{line};
                }));
}

void printLoads(ReportContext& report, int side) {
  const std::vector<TableLine> head{
      {headCell(0, "Bulk."), headCell(1, "Load type"), headCell(2, "Test"), headCell(3, "Air pipe"),
       headCell(4, "Density"), headCell(5, "Setting"), headCell(6, "Load in"),
       headCell(7, "Density"), headCell(8, "Friction")},
      {headCell(2, "height"), headCell(3, "deck"), headCell(4, "liquid"), headCell(5, "pressure"),
       headCell(6, "hold"), headCell(7, "bulk"), headCell(8, "angle")},
      {headCell(2, "m/BL"), headCell(3, "m/BL"), headCell(5, "bar"), headCell(6, "t"),
       headCell(8, "deg")}};
  printReportTable(report,
                   sideTable(report, korainString(text_id::kLoadsHeading),
                             {5, 7, 35, 45, 55, 65, 75, 85, 95, 100}, head, side,
                             [](const Compartment& compartment) {
                               TableLine line{textCell(1, loadTypeText(compartment.N))};
                               if (compartment.N > 0) {
                                 for (int k = 1; k <= 7; ++k) {
                                   line.push_back(numberCell(k + 1, compartment.Table2.at(k)));
                                 }
                               }
                               return std::vector<TableLine>{line};
                             }));
}

void printPressureRequest(ReportContext& report, int side) {
  const std::vector<TableLine> head{
      {headCell(0, "Bulk."), headCell(1, "Effective"), headCell(2, "Effective"),
       spanCell(3, 5, CellAlign::Head, "Dynamic pressure"), headCell(6, "Tank geometry")},
      {headCell(1, "length"), headCell(2, "breadth"), spanCell(3, 5, CellAlign::Head, "due to")},
      {headCell(1, "(m)"), headCell(2, "(m)"), headCell(3, "roll"), headCell(4, "sway"),
       headCell(5, "pitch")}};
  printReportTable(
      report,
      sideTable(
          report,
          "Request for calculation of dynamic pressure (no restrictions on the filling level)",
          {5, 13, 25, 34, 41, 48, 52, 102}, head, side, [](const Compartment& compartment) {
            return std::vector<TableLine>{
                {numberCell(1, compartment.Table1.at(kEffectiveLengthEntry)),
                 numberCell(2, compartment.Table1.at(kEffectiveBreadthEntry)),
                 cell(3, CellAlign::Centre, std::string(yesNo(compartment.Flag4))),
                 cell(4, CellAlign::Centre, std::string(yesNo(compartment.Flag5))),
                 cell(5, CellAlign::Centre, std::string(yesNo(compartment.Flag3))),
                 textCell(6, compartment.D
                                 ? "Smooth tanks or bottom girders height is less than 0,1H"
                                 : "Bottom girders height is not less than 0,1H")},
                {textCell(6, compartment.C
                                 ? "Smooth tanks or bottom transverses height is less than 0,1H"
                                 : "Bottom transverses height is not less than 0,1H")}};
          }));
}

void printFreeSurfaces(ReportContext& report, int side) {
  // Bulkhead, compartment name, then for each filling level the level and the
  // free surface's length and breadth.
  ReportTable table{
      .Title = "Free surface dimensions for evaluation of risk of resonance",
      .Tabs = {5, 10, 30, 45, 55, 73, 91, 102},
      .Head = {{headCell(0, "Bulk."), headCell(1, "Compartment"), headCell(3, "Filling level"),
                headCell(5, "Free surface"), headCell(6, "Free surface")},
               {headCell(1, "Name"), headCell(3, "(m)"), headCell(5, "length (m)"),
                headCell(6, "breadth (m)")}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Compartment& compartment = bulkheads.at(i).Compartments.at(side);
    const TableLine place{indexCell(0, i), textCell(1, compartment.Name)};
    if (!compartment.Points.isDimensioned()) {
      TableLine line = place;
      line.push_back(cell(3, CellAlign::Centre, "nothing"));
      table.Records.push_back({.Lines = {line}});
      continue;
    }
    for (int p = 1; p <= compartment.Points.count(); ++p) {
      const FillingPoint& point = compartment.Points.at(p);
      TableLine line = p == 1 ? place : TableLine{};
      line.push_back(numberCell(3, point.H));
      line.push_back(numberCell(5, point.L));
      line.push_back(numberCell(6, point.B));
      table.Records.push_back({.Lines = {line}, .ContinuedCells = place});
    }
  }
  printReportTable(report, table);
}

void printSide(ReportContext& report, int side) {
  ensureSpace(report.surface, report.setup, 12);
  printSectionTitle(report.surface, side == 1 ? "Foreward compartments" : "Aftward compartments");
  advanceY(report.surface, 2);
  printDimensions(report, side);
  printHighestPoints(report, side);
  printLoads(report, side);
  printPressureRequest(report, side);
  printFreeSurfaces(report, side);
}

}  // namespace

void printCompartments(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  printList(report);
  printSide(report, 1);
  printSide(report, 2);
  ensureSpace(report.surface, report.setup, 4);
  printSectionTitle(report.surface, korainString(text_id::kEndOfCompartmentData));
  advanceY(report.surface, 1);
}

}  // namespace korain
