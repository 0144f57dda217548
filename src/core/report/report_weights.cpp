// The weights and section properties of each bulkhead: the weight table, part
// by part with the total and its notes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <string_view>

#include "print/page_flow.h"
#include "report/report_sections.h"
#include "report/report_table.h"
#include "text/number_format.h"

namespace korain {
namespace {

constexpr std::string_view kWeightFormat = "#0.000";  // t: to the kilogram
constexpr std::string_view kCentreFormat = "#0.000";  // m

// Without weight a part has no centre of gravity to print.
TableLine partLine(std::string label, double weight, const WeightPart& centre) {
  TableLine line{textCell(0, std::move(label)), numberCell(1, weight, kWeightFormat)};
  for (const auto& [column, value] : {std::pair{2, centre.y}, std::pair{3, centre.z}}) {
    line.push_back(weight > 0 ? numberCell(column, value, kCentreFormat) : absentCell(column));
  }
  return line;
}

TableLine noteLine(std::string text) {
  return {spanCell(0, 3, CellAlign::Left, std::move(text), Slant::Italic)};
}

}  // namespace

void printWeightTable(ReportContext& report, int bulkhead, const BulkheadWeight& weight) {
  ReportTable table{
      .Title = "Steel Weight and Centre of Gravity - Bulkhead n° " + std::to_string(bulkhead),
      .Tabs = {1, 32, 44, 56},
      .Head = {{headCell(1, "Weight"), spanCell(2, 3, CellAlign::Head, "Centre of gravity")},
               {headCell(1, "(t)"), headCell(2, "y (m)"), headCell(3, "z (m)")}}};
  // Every value as computed, as korain-cli properties gives it: the printed
  // parts may add up to a gram or two off the total.
  for (const auto& [label, part] :
       {std::pair{"Plating", weight.plating}, std::pair{"Ordinary stiffeners", weight.stiffeners},
        std::pair{"Brackets", weight.brackets}, std::pair{"Corrugation", weight.corrugation},
        std::pair{"Total", weight.total}}) {
    table.Records.push_back({.Lines = {partLine(label, part.weight, part)}});
  }
  if (weight.half) {
    table.Records.push_back(
        {.Lines = {partLine("Whole bulkhead", weight.whole.weight, weight.whole)}});
  }
  table.Records.push_back(
      {.Lines = {
           noteLine("Steel density " + formatNumber(report.steelDensity, "#0.00") + " t/m³")}});
  for (const std::string& note : weight.notes) table.Records.push_back({.Lines = {noteLine(note)}});
  printReportTable(report, table);
}

void printWeightsAndProperties(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    const std::vector<SpanProperties> spans = spanProperties(b, report.thicknessDeduction);
    printWeightTable(report, i,
                     bulkheadWeight(b, report.arrangement.SymFlag, report.steelDensity, spans));
    printSpanPropertiesTable(report, i, spans);
  }
}

}  // namespace korain
