// Writing the properties as text tables: each bulkhead's weight and its spans.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties_text.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "checks/scantling_texts.h"
#include "text/number_format.h"
#include "text/text_utils.h"
#include "text_table.h"

namespace korain {
namespace {

// What stands in a cell whose value is not there.
constexpr std::string_view kNoValue = "–";

TextRow weightCells(std::string_view part, const WeightPart& weight) {
  return {std::string(part), formatNumber(weight.weight, "#0.000"),
          formatNumber(weight.y, "#0.000"), formatNumber(weight.z, "#0.000")};
}

std::string weightTable(const BulkheadWeight& weight, double density) {
  std::vector<TextRow> rows = {
      weightCells("Plating", weight.plating), weightCells("Stiffeners", weight.stiffeners),
      weightCells("Brackets", weight.brackets), weightCells("Corrugation", weight.corrugation),
      weightCells("Total", weight.total)};
  if (weight.half) rows.push_back(weightCells("Whole bulkhead", weight.whole));
  const std::vector<TextColumn> columns = {
      {"Steel at " + formatNumber(density, "#0.00##") + " t/m³", Alignment::Left},
      {"Weight t"},
      {"y m"},
      {"z m"}};
  std::string text = textTable(columns, rows, "  ");
  for (const std::string& note : weight.notes) text.append("  ").append(note).append("\n");
  return text;
}

std::vector<TextColumn> spanColumns(bool net) {
  std::vector<TextColumn> columns = {{"Stiffener"}, {"Span"}, {"Profile", Alignment::Left}};
  const auto add = [&columns](std::initializer_list<std::string_view> heads) {
    for (const std::string_view head : heads) columns.push_back({std::string(head)});
  };
  add({"Plate t × b mm", "A cm²", "NA mm", "I cm⁴", "Z flange cm³", "Z plate cm³", "Length m",
       "Brackets lower/upper m"});
  if (net) add({"Net A cm²", "Net NA mm", "Net I cm⁴", "Net Z flange cm³", "Net Z plate cm³"});
  columns.push_back({"Note", Alignment::Left});
  return columns;
}

void appendSection(TextRow& cells, const std::optional<SectionProperties>& section) {
  if (!section) {
    cells.insert(cells.end(), 5, std::string(kNoValue));
    return;
  }
  cells.push_back(formatNumber(section->area, "#0.0"));
  cells.push_back(formatNumber(section->neutralAxis, "#0.00"));
  cells.push_back(formatNumber(section->inertia, "#0.0"));
  cells.push_back(formatNumber(section->modulusFlange, "#0.0"));
  cells.push_back(formatNumber(section->modulusPlate, "#0.0"));
}

std::string plateText(const std::optional<AttachedPlate>& plate) {
  if (!plate) return std::string(kNoValue);
  return formatNumber(plate->thickness, "#0.0#") + " × " + formatNumber(plate->breadth, "#0.0");
}

// Why values are missing: the gross ones', else the net ones' when asked for.
std::string note(const SpanProperties& span, bool net) {
  if (!span.missing.empty()) return span.missing;
  if (net && !span.netMissing.empty()) return "net: " + span.netMissing;
  return {};
}

TextRow spanCells(const SpanProperties& span, bool net, const ShipData& ship) {
  TextRow cells = {std::to_string(span.stiffener), std::to_string(span.span),
                   std::string(trimmed(scantlingLabel(span.profile, ship))), plateText(span.plate)};
  appendSection(cells, span.gross);
  cells.push_back(formatNumber(span.length, "#0.000"));
  cells.push_back(formatNumber(span.lowerBracket, "#0.000") + "/" +
                  formatNumber(span.upperBracket, "#0.000"));
  if (net) appendSection(cells, span.net);
  cells.push_back(note(span, net));
  return cells;
}

std::string spanTable(const std::vector<SpanProperties>& spans, bool net, const ShipData& ship) {
  if (spans.empty()) return "  No ordinary stiffeners.\n";
  std::vector<TextRow> rows;
  rows.reserve(spans.size());
  for (const SpanProperties& span : spans) rows.push_back(spanCells(span, net, ship));
  return textTable(spanColumns(net), rows, "  ");
}

std::string spanTitle(double deduction) {
  if (!(deduction > 0)) return "\n  Ordinary stiffener spans, gross\n";
  return "\n  Ordinary stiffener spans, gross and net (" + formatNumber(deduction, "#0.0#") +
         " mm off every thickness)\n";
}

}  // namespace

std::string propertiesText(const std::vector<BulkheadProperties>& bulkheads,
                           const PropertiesSettings& settings, const ShipData& ship) {
  const bool net = settings.deduction > 0;
  std::string text;
  for (const BulkheadProperties& bulkhead : bulkheads) {
    if (!text.empty()) text += "\n";
    text.append("Bulkhead ").append(std::to_string(bulkhead.number));
    text.append(": ").append(bulkhead.name).append("\n");
    text += weightTable(bulkhead.weight, settings.density);
    text += spanTitle(settings.deduction);
    text += spanTable(bulkhead.spans, net, ship);
  }
  return text;
}

}  // namespace korain
