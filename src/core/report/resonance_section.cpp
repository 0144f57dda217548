// Printing the "Risk of resonance" section of the data report.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/resonance_section.h"

#include <algorithm>
#include <string>

#include "model/compartment_tables.h"
#include "print/font_change.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_table.h"
#include "resonance/compartment_codes.h"
#include "resonance/resonance_data.h"
#include "text/number_format.h"

namespace korain {
namespace {

// The section's tab columns, c0 to c9.
const std::vector<int> kTabs{2, 6, 20, 30, 40, 50, 65, 75, 85, 88};
constexpr int kLabelColumn = 6;    // c1
constexpr int kLeaderColumn = 85;  // c8: the value lines' dots end here
constexpr int kUnitColumn = kLeaderColumn + 8;
const std::string kTitle = std::string("Evaluation of ") + "Risk of resonance";
const std::string kUnits[] = {" m", " s"};

std::string periodText(Single period) { return period == 0 ? "--" : formatNumber(period, "#0.00"); }

std::string yesNoCaps(bool risk) { return risk ? "YES" : "NO"; }

const std::vector<TableLine>& tableHead() {
  static const std::vector<TableLine> head{
      {headCell(2, "Filling"), spanCell(4, 5, CellAlign::Head, "Inclined ship cond."),
       headCell(8, "Upright ship cond.")},
      {headCell(2, "level"), headCell(3, "Free surface"), headCell(4, "Ty"), headCell(5, "Risk"),
       headCell(6, "Risk"), headCell(7, "Free surface"), headCell(8, "Tx"), headCell(9, "Risk")},
      {headCell(2, "(m)"), headCell(3, "breadth (m)"), headCell(4, "(s)"), headCell(5, "roll"),
       headCell(6, "sway"), headCell(7, "length (m)"), headCell(8, "(s)"), headCell(9, "pitch")}};
  return head;
}

// One row per filling level, each cell centred on its column. A roll risk
// that cannot be judged (no roll period) is shown as such, not as "NO".
TableLine levelRow(const LevelResonance& level, const FillingPoint& point) {
  const auto centred = [](int column, std::string text) {
    return cell(column, CellAlign::Centre, std::move(text));
  };
  return {centred(2, formatNumber(point.H, "#0.000")),
          centred(3, formatNumber(point.B, "#0.000")),
          centred(4, periodText(level.Ty)),
          centred(5, level.NoRollPeriod ? "--" : yesNoCaps(level.RollRisk)),
          centred(6, yesNoCaps(level.SwayRisk)),
          centred(7, formatNumber(point.L, "#0.000")),
          centred(8, periodText(level.Tx)),
          centred(9, yesNoCaps(level.PitchRisk))};
}

struct SectionPrint {
  ReportContext& report;
  const ResonanceEvaluation& evaluation;
  const TableLayout& layout;
  double ruleWidth;

  void title(const CompartmentResonance& result) {
    const std::string text = kTitle + " - " + "Bulkead n° " + formatNumber(result.Bulkhead, "#0");
    printSectionTitle(report.surface, text);
    horizontalRule(report.surface, ruleWidth);
    report.surface.newLine();
  }

  void heading(const CompartmentResonance& result) {
    printUnderlinedHeading(
        report.surface,
        std::string(result.Side == 1 ? "Forward" : "Aftward") + " compartment :", kTabs[2]);
    report.surface.newLine();
  }

  void tableHead() {
    horizontalRule(report.surface, ruleWidth);
    for (const TableLine& line : korain::tableHead()) {
      layout.print(report.surface, line);
      report.surface.newLine();
    }
    horizontalRule(report.surface, ruleWidth);
  }

  void valueLine(std::string_view label, double value, std::string_view format,
                 std::string_view unit) {
    printLabelValue(report.surface, kLabelColumn, kLeaderColumn, label, value, format);
    printAt(report.surface, kUnitColumn, unit);
    report.surface.newLine();
  }

  void destinationAndValues(const CompartmentResonance& result, const Compartment& compartment) {
    PrintSurface& surface = report.surface;
    const std::string destination = mainDestinationText(compartment.B);
    printAt(surface, kLabelColumn, "Main destination");
    const double destinationX = ruleWidth - surface.textWidth(destination);
    dotLeaderTo(surface, destinationX);
    surface.setX(destinationX);
    surface.print(destination);
    surface.newLine();
    const ShipPeriods& periods = evaluation.Periods;
    const int j = result.LoadingCondition;
    valueLine("Effective length", compartment.Table1.at(kEffectiveLengthEntry), "#0.000",
              kUnits[0]);
    valueLine("Effective breadth", compartment.Table1.at(kEffectiveBreadthEntry), "#0.000",
              kUnits[0]);
    if (periods.RollUndefined.at(j)) {
      printAt(surface, kLabelColumn, "Roll period (Tr)");
      dotLeaderTo(surface, tabX(surface, kLeaderColumn));
      printAt(surface, kLeaderColumn + 1, "undefined");
      surface.newLine();
    } else {
      valueLine("Roll period (Tr)", periods.RollPeriod.at(j), "#0.00", kUnits[1]);
    }
    valueLine("Pitch period (Tp)", periods.PitchPeriod.at(j), "#0.00", kUnits[1]);
    valueLine("Sway period (Tsw)", periods.SwayPeriod, "#0.00", kUnits[1]);
    if (const std::optional<std::string> note = rollPeriodNote(report.ship, periods, j)) {
      printAt(surface, kLabelColumn, *note, Slant::Italic);
      surface.newLine();
    }
    surface.newLine();
  }

  void compartment(const CompartmentResonance& result) {
    const Compartment& c =
        report.arrangement.Bulkheads.at(result.Bulkhead).Compartments.at(result.Side);
    ensureSpace(report.surface, report.setup, 26);
    title(result);
    heading(result);
    destinationAndValues(result, c);
    tableHead();
    for (int k = 1; k <= result.Levels.count() && k <= c.Points.count(); ++k) {
      if (ensureSpace(report.surface, report.setup, 2)) {
        title(result);
        heading(result);
        tableHead();
      }
      layout.print(report.surface, levelRow(result.Levels.at(k), c.Points.at(k)));
      report.surface.newLine();
    }
    report.surface.newLine();
  }
};

// The section's lines without the table: a title, a rule and its texts.
void printPlainSection(ReportContext& report, const std::vector<std::string>& texts) {
  PrintSurface& surface = report.surface;
  double width = tabX(surface, kTabs.back());
  for (const std::string& text : texts) {
    width = std::max(width, tabX(surface, kLabelColumn) + surface.textWidth(text));
  }
  printSectionTitle(surface, kTitle);
  horizontalRule(surface, width);
  surface.newLine();
  for (const std::string& text : texts) {
    printAt(surface, kLabelColumn, text);
    surface.newLine();
  }
  surface.newLine();
}

}  // namespace

void printResonanceEvaluation(ReportContext& report, const ResonanceEvaluation& evaluation) {
  PrintSurface& surface = report.surface;
  if (isOutputHidden(surface)) return;
  ensureSpace(surface, report.setup, 29);
  if (!evaluation.Compartments.isDimensioned()) {
    printPlainSection(report, {"No compartments for risk computation!"});
    return;
  }
  // One layout for the whole section, so that every compartment's table has
  // the same columns.
  std::vector<TableLine> lines = tableHead();
  for (const CompartmentResonance& result : evaluation.Compartments) {
    const Compartment& c =
        report.arrangement.Bulkheads.at(result.Bulkhead).Compartments.at(result.Side);
    for (int k = 1; k <= result.Levels.count() && k <= c.Points.count(); ++k) {
      lines.push_back(levelRow(result.Levels.at(k), c.Points.at(k)));
    }
  }
  const FittedTable fitted = fitTable(surface, kTabs, lines);
  const FontChange fit(surface, fitted.Font);
  const TableLayout& layout = fitted.Layout;
  double unitRight = 0;
  for (const std::string& unit : kUnits) {
    unitRight = std::max(unitRight, tabX(surface, kUnitColumn) + surface.textWidth(unit));
  }
  SectionPrint print{report, evaluation, layout, std::max(layout.ruleWidth(), unitRight)};
  for (const CompartmentResonance& result : evaluation.Compartments) print.compartment(result);
}

void printResonanceNotice(ReportContext& report, const std::vector<std::string>& notice) {
  if (isOutputHidden(report.surface)) return;
  ensureSpace(report.surface, report.setup, static_cast<int>(notice.size()) + 6);
  printPlainSection(report, notice);
}

}  // namespace korain
