#include "report/resonance_section.h"

#include <string>

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "resonance/compartment_codes.h"
#include "text/number_format.h"

namespace korain {
namespace {

const Columns kColumns{2, 6, 20, 30, 40, 50, 65, 75, 85, 88};
constexpr int kInclinedColumn = 45;  // (c4 + c5) / 2, the head of the inclined-ship columns
const std::string kTitle = std::string("Evaluation of ") + "Risk of resonance";

std::string periodText(Single period) { return period == 0 ? "--" : formatNumber(period, "#0.00"); }

std::string_view yesNoCaps(bool risk) { return risk ? "YES" : "NO"; }

struct CompartmentPrint {
  ReportContext& report;
  const CompartmentResonance& result;
  const Compartment& compartment;

  void title() {
    const std::string text = kTitle + " - " + "Bulkead n° " + formatNumber(result.Bulkhead, "#0");
    printTitleAndRule(report, text, kColumns);
    report.surface.newLine();
  }

  void heading() {
    printUnderlinedHeading(
        report.surface,
        std::string(result.Side == 1 ? "Forward" : "Aftward") + " compartment :", kColumns[2]);
    report.surface.newLine();
  }

  void tableHead() {
    const Columns& c = kColumns;
    printTableHead(report.surface,
                   {{{c[2], "Filling"},
                     {kInclinedColumn, "Inclined ship cond."},
                     {c[8], "Upright ship cond."}},
                    {{c[2], "level"},
                     {c[3], "Free surface"},
                     {c[4], "Ty"},
                     {c[5], "Risk"},
                     {c[6], "Risk"},
                     {c[7], "Free surface"},
                     {c[8], "Tx"},
                     {c[9], "Risk"}},
                    {{c[2], "(m)"},
                     {c[3], "breadth (m)"},
                     {c[4], "(s)"},
                     {c[5], "roll"},
                     {c[6], "sway"},
                     {c[7], "length (m)"},
                     {c[8], "(s)"},
                     {c[9], "pitch"}}},
                   ruleWidth(report, c));
  }

  void destinationAndValues(const ShipPeriods& periods) {
    PrintSurface& surface = report.surface;
    const std::string destination = mainDestinationText(compartment.B);
    printAt(surface, kColumns[1], "Main destination");
    dotLeader(surface, kColumns[9] - static_cast<int>(destination.size()), " ",
              LeaderEnd::TextEndsAtColumn);
    printAt(surface, kColumns[9] - static_cast<int>(destination.size()), destination);
    surface.newLine();
    const int j = result.LoadingCondition;
    valueLine("Effective length", compartment.Table1.at(2), "#0.000", " m");
    valueLine("Effective breadth", compartment.Table1.at(4), "#0.000", " m");
    valueLine("Roll period (Tr)", periods.RollPeriod.at(j), "#0.00", " s");
    valueLine("Pitch period (Tp)", periods.PitchPeriod.at(j), "#0.00", " s");
    valueLine("Sway period (Tsw)", periods.SwayPeriod, "#0.00", " s");
    surface.newLine();
  }

  void valueLine(std::string_view label, double value, std::string_view format,
                 std::string_view unit) {
    printLabelValue(report.surface, kColumns[1], kColumns[8], label, value, format);
    printAt(report.surface, kColumns[8] + 8, unit);
    report.surface.newLine();
  }

  void row(const LevelResonance& level, const FillingPoint& point) {
    const Columns& c = kColumns;
    PrintSurface& surface = report.surface;
    printCentred(surface, c[2], formatNumber(point.H, "#0.000"));
    printCentred(surface, c[3], formatNumber(point.B, "#0.000"));
    printCentred(surface, c[4], periodText(level.Ty));
    printCentred(surface, c[5], yesNoCaps(level.RollRisk));
    printCentred(surface, c[6], yesNoCaps(level.SwayRisk));
    printCentred(surface, c[7], formatNumber(point.L, "#0.000"));
    printCentred(surface, c[8], periodText(level.Tx));
    printCentred(surface, c[9], yesNoCaps(level.PitchRisk));
    surface.newLine();
  }

  void print(const ShipPeriods& periods) {
    ensureSpace(report.surface, report.setup, 26);
    title();
    heading();
    destinationAndValues(periods);
    tableHead();
    for (int k = 1; k <= result.Levels.count() && k <= compartment.Points.count(); ++k) {
      if (ensureSpace(report.surface, report.setup, 2)) {
        title();
        heading();
        tableHead();
      }
      row(result.Levels.at(k), compartment.Points.at(k));
    }
    report.surface.newLine();
  }
};

}  // namespace

void printResonanceEvaluation(ReportContext& report, const ResonanceEvaluation& evaluation) {
  PrintSurface& surface = report.surface;
  if (isOutputHidden(surface)) return;
  ensureSpace(surface, report.setup, 29);
  if (!evaluation.Compartments.isDimensioned()) {
    printTitleAndRule(report, kTitle, kColumns);
    surface.newLine();
    printAt(surface, kColumns[1], "No compartments for risk computation!");
    surface.newLine();
    surface.newLine();
    return;
  }
  for (const CompartmentResonance& result : evaluation.Compartments) {
    const Compartment& compartment =
        report.arrangement.Bulkheads.at(result.Bulkhead).Compartments.at(result.Side);
    CompartmentPrint{report, result, compartment}.print(evaluation.Periods);
  }
}

}  // namespace korain
