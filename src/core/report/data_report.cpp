// The report's item names, the check of the chosen items, and the report printed item by item.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/data_report.h"

#include <algorithm>

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "report/report_sections.h"
#include "report/resonance_section.h"
#include "resonance/evaluate_resonance.h"
#include "text/text_utils.h"

namespace korain {
namespace {

constexpr const char* kItemNames[kReportItems] = {"Front page",
                                                  "Main Bulkhead Arrangement Data",
                                                  "Bulkhead Description",
                                                  "Nodes - Geometry",
                                                  "Primary supporting members",
                                                  "Ordinary stiffeners",
                                                  "Strake Bands",
                                                  "Compartment",
                                                  "Risk of resonance",
                                                  "Corrugation",
                                                  "Weights and section properties"};

enum Item {
  kFront,
  kMain,
  kDescription,
  kNodes,
  kMembers,
  kStiffeners,
  kStrakes,
  kCompartments,
  kResonance,
  kCorrugation,
  kWeightsAndProperties
};

}  // namespace

std::string reportItemName(int item) {
  return item >= 0 && item < kReportItems ? kItemNames[item] : "Cancel";
}

std::optional<std::string> reportSelectionProblem(const std::array<bool, kReportItems>& items) {
  if (std::any_of(items.begin(), items.end(), [](bool chosen) { return chosen; })) {
    return std::nullopt;
  }
  return "Please choose an item to print";
}

void printReport(PrintSurface& surface, PageSetup& setup, const Arrangement& arrangement,
                 const ShipData& ship, const ReportRequest& request) {
  const auto& items = request.Items;
  if (reportSelectionProblem(items)) return;
  setup.HeaderLines = {"File : " + request.DatabaseName,
                       "Ship : " + std::string(trimmed(ship.Titles.at(1)))};
  prepareSurface(surface, setup);
  ReportContext report{
      surface, setup, arrangement, ship, request.SteelDensity, request.ThicknessDeduction};
  if (items[kFront]) {
    printFrontPage(report, request.Titles);
    ensureSpace(surface, setup, 10000);
  } else if (surface.kind() == SurfaceKind::Printer) {
    // Only the front page goes without the header; here the first page is
    // an ordinary one.
    printPageHeader(surface, setup);
  }
  if (surface.kind() == SurfaceKind::Printer) {
    printSectionTitle(surface, "Bulkhead Arrangement Input data");
  }
  if (items[kMain]) printMainData(report, request.EnteredSide);
  if (items[kDescription]) printBulkheadDescription(report);
  if (items[kNodes]) printNodes(report);
  if (items[kMembers]) printPrimaryMembers(report, BulkheadDrawings::Included);
  if (items[kStiffeners])  // The drawings come once: with the members when they are printed.
    printOrdinaryStiffeners(
        report, items[kMembers] ? BulkheadDrawings::Omitted : BulkheadDrawings::Included);
  if (items[kStrakes]) printStrakeBands(report);
  if (items[kCompartments]) printCompartments(report);
  if (items[kResonance]) {
    const ResonanceDataCheck check =
        checkResonanceData(ship, request.ShipPresence, request.Reading);
    if (check.complete()) {
      printResonanceEvaluation(report, evaluateResonance(arrangement, ship));
    } else {
      printResonanceNotice(report, check.notice());
    }
  }
  if (items[kCorrugation]) printCorrugation(report);
  if (items[kWeightsAndProperties]) printWeightsAndProperties(report);
  finishDocument(surface, setup);
}

}  // namespace korain
