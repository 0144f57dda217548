// The compartments of every bulkhead: who they are, then for each side their
// dimensions, highest points, loads, dynamic pressure request and free surfaces.
#include <string>

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "resonance/compartment_codes.h"
#include "text/string_table.h"

namespace korain {
namespace {

const Columns kListColumns{7, 10, 45, 70, 90};
const Columns kDimensionColumns{5, 10, 21, 31, 43, 53, 63, 75, 85, 95, 98};
const Columns kLoadColumns{5, 7, 35, 45, 55, 65, 75, 85, 95, 100};
const Columns kHighestColumns{5, 12, 23, 36, 47, 60, 71, 84, 95, 99};
const Columns kFreeSurfaceColumns{5, 10, 30, 45, 55, 73, 91, 102};
const Columns kPressureColumns{5, 13, 25, 34, 41, 48, 52, 102};

// A table of one row per bulkhead for one side, with the bulkhead number at
// the first column.
template <typename PrintRow>
void printSideTable(ReportContext& report, const std::string& title, const Columns& c,
                    const std::vector<HeadLine>& head, int side, PrintRow printRow) {
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    ensureRow(report, title, c, head);
    printRight(report.surface, c[0], std::to_string(i));
    printRow(bulkheads.at(i).Compartments.at(side));
    report.surface.newLine();
  }
  advanceY(report.surface, 1);
}

void printList(ReportContext& report) {
  const std::string title = "Compartment";
  const Columns& c = kListColumns;
  const std::vector<HeadLine> head{
      {{c[0], "Bulk."}, {(c[1] + c[2]) / 2 + 5, "Forward"}, {(c[3] + c[4]) / 2 + 5, "Aftward"}},
      {{c[1] + 8, "Destination"},
       {c[2] + 6, "Type"},
       {c[3] + 8, "Destination"},
       {c[4] + 6, "Type"}}};
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    ensureRow(report, title, c, head, 2);
    printRight(report.surface, c[0], std::to_string(i));
    for (int side = 1; side <= 2; ++side) {
      const Compartment& compartment = b.Compartments.at(side);
      printAt(report.surface, side == 1 ? c[1] : c[3], mainDestinationText(compartment.B));
      printAt(report.surface, side == 1 ? c[2] : c[4], compartmentTypeText(compartment.A));
    }
    report.surface.newLine();
    for (int side = 1; side <= 2; ++side) {
      printAt(report.surface, side == 1 ? c[1] : c[3], b.Compartments.at(side).Name, Slant::Italic);
    }
    report.surface.newLine();
  }
  advanceY(report.surface, 1);
}

void printDimensions(ReportContext& report, int side) {
  const Columns& c = kDimensionColumns;
  const std::vector<HeadLine> head{{{c[0], "Bulk."},
                                    {c[1], "Length"},
                                    {c[2], "Breadth"},
                                    {c[3], "Height"},
                                    {c[4], "X start"},
                                    {c[5], "Xg"},
                                    {c[6], "Yg"},
                                    {c[7], "Zg"},
                                    {c[8], "Zmin/BL"},
                                    {c[9], "Ztop/BL"}},
                                   {{c[4], "from APP"}, {c[5], "from APP"}}};
  printSideTable(report, korainString(text_id::kDimensionsHeading), c, head, side,
                 [&](const Compartment& compartment) {
                   const int fields[] = {1, 3, 10, 19, 5, 6, 7, 8, 9};
                   for (std::size_t k = 0; k < std::size(fields); ++k) {
                     printValue(report, c[k + 1], compartment.Table1.at(fields[k]));
                   }
                 });
}

void printHighestPoints(ReportContext& report, int side) {
  const Columns& c = kHighestColumns;
  std::vector<HeadLine> head{{{c[0], "Bulk."}}};
  for (int k = 1; k <= 8; ++k)
    head[0].push_back({c[static_cast<std::size_t>(k)], "Point " + std::to_string(k)});
  printSideTable(report, korainString(text_id::kHighestPointsHeading), c, head, side,
                 [&](const Compartment& compartment) {
                   if (compartment.UseRuleRoll) {
                     printAt(report.surface, c[1], korainString(text_id::kRuleValues));
                     return;
                   }
                   for (int k = 11; k <= 18; ++k) {
                     printValue(report, c[static_cast<std::size_t>(k - 10)],
                                compartment.Table1.at(k));
                   }
                 });
}

void printLoads(ReportContext& report, int side) {
  const Columns& c = kLoadColumns;
  const std::vector<HeadLine> head{
      {{c[0], "Bulk."},
       {c[1] + 12, "Load type"},
       {c[2], "Test"},
       {c[3], "Air pipe"},
       {c[4], "Density"},
       {c[5], "Setting"},
       {c[6], "Load in"},
       {c[7], "Density"},
       {c[8], "Friction"}},
      {{c[2], "height"},
       {c[3], "deck"},
       {c[4], "liquid"},
       {c[5], "pressure"},
       {c[6], "hold"},
       {c[7], "bulk"},
       {c[8], "angle"}},
      {{c[2], "m/BL"}, {c[3], "m/BL"}, {c[5], "bar"}, {c[6], "t"}, {c[8], "deg"}}};
  printSideTable(report, korainString(text_id::kLoadsHeading), c, head, side,
                 [&](const Compartment& compartment) {
                   printAt(report.surface, c[1], loadTypeText(compartment.N));
                   if (compartment.N <= 0) return;
                   for (int k = 1; k <= 7; ++k) {
                     printValue(report, c[static_cast<std::size_t>(k + 1)],
                                compartment.Table2.at(k));
                   }
                 });
}

void printPressureRequest(ReportContext& report, int side) {
  const Columns& c = kPressureColumns;
  const std::vector<HeadLine> head{
      {{c[0], "Bulk."},
       {c[1], "Effective"},
       {c[2], "Effective"},
       {(c[3] + c[5]) / 2, "Dynamic pressure"},
       {c[6] + 20, "Tank geometry"}},
      {{c[1], "length"}, {c[2], "breadth"}, {(c[3] + c[5]) / 2, "due to"}},
      {{c[1], "(m)"}, {c[2], "(m)"}, {c[3], "roll"}, {c[4], "sway"}, {c[5], "pitch"}}};
  printSideTable(
      report, "Request for calculation of dynamic pressure (no restrictions on the filling level)",
      c, head, side, [&](const Compartment& compartment) {
        printValue(report, c[1], compartment.Table1.at(2));
        printValue(report, c[2], compartment.Table1.at(4));
        printCentred(report.surface, c[3], yesNo(compartment.Flag4));
        printCentred(report.surface, c[4], yesNo(compartment.Flag5));
        printCentred(report.surface, c[5], yesNo(compartment.Flag3));
        printAt(report.surface, c[6],
                compartment.D ? "Smooth tanks or bottom girders height is less than 0,1H"
                              : "Bottom girders height is not less than 0,1H");
        report.surface.newLine();
        printAt(report.surface, c[6],
                compartment.C ? "Smooth tanks or bottom transverses height is less than 0,1H"
                              : "Bottom transverses height is not less than 0,1H");
      });
}

void printFreeSurfaces(ReportContext& report, int side) {
  const std::string title = "Free surface dimensions for evaluation of risk of resonance";
  const Columns& c = kFreeSurfaceColumns;
  const std::vector<HeadLine> head{
      {{c[0], "Bulk."},
       {c[2], "Compartment"},
       {c[3], "Filling level"},
       {c[5], "Free surface"},
       {c[6], "Free surface"}},
      {{c[2], "Name"}, {c[3], "(m)"}, {c[5], "length (m)"}, {c[6], "breadth (m)"}}};
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Compartment& compartment = bulkheads.at(i).Compartments.at(side);
    ensureRow(report, title, c, head);
    printRight(report.surface, c[0], std::to_string(i));
    printAt(report.surface, c[1], compartment.Name);
    if (!compartment.Points.isDimensioned()) {
      printCentred(report.surface, c[3], "nothing");
      report.surface.newLine();
      continue;
    }
    for (int p = 1; p <= compartment.Points.count(); ++p) {
      const FillingPoint& point = compartment.Points.at(p);
      if (p > 1) ensureRow(report, title, c, head);
      printValue(report, c[3], point.H);
      printValue(report, c[5], point.L);
      printValue(report, c[6], point.B);
      report.surface.newLine();
    }
  }
  advanceY(report.surface, 1);
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
