// The section properties of a bulkhead's stiffener spans: one row for spans
// alike (profile, attached plate and length as printed), naming them all, and
// the reason where a span has no properties.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "checks/scantling_texts.h"
#include "report/report_sections.h"
#include "report/report_table.h"
#include "report/span_numbers.h"
#include "text/number_format.h"

namespace korain {
namespace {

constexpr std::string_view kLengthFormat = "#0.000";  // m: to the millimetre
constexpr std::string_view kValueFormat = "#0.0";
// The characters of span numbers on one line of a row.
constexpr std::size_t kNumbersWidth = 14;

// The columns: span numbers, profile, plate, area, neutral axis, inertia, the
// two moduli, length, and with a deduction the two net moduli.
enum Column { kNumbers, kProfile, kPlate, kArea, kAxis, kInertia, kZFlange, kZPlate, kLength };
constexpr int kNetZFlange = kLength + 1;
constexpr int kNetZPlate = kLength + 2;

// The spans of one row: what makes them alike, and their numbers.
struct AlikeSpans {
  const SpanProperties* first = nullptr;
  std::string profile;
  std::string plate;
  std::string length;
  std::string reason;  // why values are missing; empty when none is
  std::vector<SpanNumber> numbers;

  auto key() const { return std::tie(profile, plate, length, reason); }
};

std::string plateText(const std::optional<AttachedPlate>& plate) {
  if (!plate) return "–";
  return formatNumber(plate->breadth, "#0") + " × " + formatNumber(plate->thickness, "#0.#");
}

std::string reasonOf(const SpanProperties& span, bool net) {
  if (!span.gross) return span.missing;
  return net && !span.net ? span.netMissing : std::string();
}

std::vector<AlikeSpans> alikeSpans(const ReportContext& report,
                                   const std::vector<SpanProperties>& spans, bool net) {
  std::vector<AlikeSpans> rows;
  for (const SpanProperties& span : spans) {
    AlikeSpans row{.first = &span,
                   .profile = scantlingLabel(span.profile, report.ship),
                   .plate = plateText(span.plate),
                   .length = formatNumber(span.length, kLengthFormat),
                   .reason = reasonOf(span, net),
                   .numbers = {{span.stiffener, span.span}}};
    const auto same =
        std::ranges::find_if(rows, [&row](const AlikeSpans& r) { return r.key() == row.key(); });
    if (same != rows.end()) {
      same->numbers.push_back(row.numbers.front());
    } else {
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

void addModuli(TableLine& line, int flangeColumn, const std::optional<SectionProperties>& values) {
  line.push_back(values ? numberCell(flangeColumn, values->modulusFlange, kValueFormat)
                        : absentCell(flangeColumn));
  line.push_back(values ? numberCell(flangeColumn + 1, values->modulusPlate, kValueFormat)
                        : absentCell(flangeColumn + 1));
}

TableLine valuesLine(const AlikeSpans& row, bool net) {
  const SpanProperties& span = *row.first;
  TableLine line{textCell(kProfile, row.profile), textCell(kPlate, row.plate)};
  const std::optional<SectionProperties>& gross = span.gross;
  line.push_back(gross ? numberCell(kArea, gross->area, kValueFormat) : absentCell(kArea));
  line.push_back(gross ? numberCell(kAxis, gross->neutralAxis, kValueFormat) : absentCell(kAxis));
  line.push_back(gross ? numberCell(kInertia, gross->inertia, kValueFormat) : absentCell(kInertia));
  addModuli(line, kZFlange, gross);
  line.push_back(numberCell(kLength, span.length, kLengthFormat));
  if (net) addModuli(line, kNetZFlange, span.net);
  return line;
}

// The numbers over as many lines as they take, the reason on the second line.
TableRecord rowRecord(const AlikeSpans& row, bool net, int lastColumn) {
  const std::vector<std::string> numbers = joinedRuns(spanNumberRuns(row.numbers), kNumbersWidth);
  const std::size_t lines = std::max(numbers.size(), row.reason.empty() ? 1 : std::size_t{2});
  TableRecord record{.Lines = {valuesLine(row, net)}};
  record.Lines.resize(lines);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    record.Lines[i].insert(record.Lines[i].begin(), textCell(kNumbers, numbers[i]));
  }
  if (!row.reason.empty()) {
    record.Lines[1].push_back(
        spanCell(kProfile, lastColumn, CellAlign::Left, row.reason, Slant::Italic));
  }
  return record;
}

std::string tableTitle(int bulkhead, double deduction) {
  const std::string net =
      deduction > 0 ? ", net with " + formatNumber(deduction, "#0.0#") + " mm off every thickness"
                    : "";
  return "Ordinary Stiffeners - Section properties" + net + " - Bulkhead n° " +
         std::to_string(bulkhead);
}

// The moduli under one head with their unit, flange and plate side by side.
std::vector<TableLine> tableHead(bool net) {
  std::vector<TableLine> head{
      {headCell(kNumbers, "Stif./Span"), headCell(kProfile, "Profile"), headCell(kPlate, "Plate"),
       headCell(kArea, "A"), headCell(kAxis, "NA"), headCell(kInertia, "I"),
       spanCell(kZFlange, kZPlate, CellAlign::Head, "Z (cm³)"), headCell(kLength, "Length")},
      {headCell(kProfile, "(mm)"), headCell(kPlate, "b × t (mm)"), headCell(kArea, "(cm²)"),
       headCell(kAxis, "(mm)"), headCell(kInertia, "(cm⁴)"), headCell(kZFlange, "flange"),
       headCell(kZPlate, "plate"), headCell(kLength, "(m)")}};
  if (net) {
    head[0].push_back(spanCell(kNetZFlange, kNetZPlate, CellAlign::Head, "Net Z (cm³)"));
    head[1].push_back(headCell(kNetZFlange, "flange"));
    head[1].push_back(headCell(kNetZPlate, "plate"));
  }
  return head;
}

}  // namespace

void printSpanPropertiesTable(ReportContext& report, int bulkhead,
                              const std::vector<SpanProperties>& spans) {
  const bool net = report.thicknessDeduction > 0;
  const int lastColumn = net ? kNetZPlate : kLength;
  ReportTable table{.Title = tableTitle(bulkhead, report.thicknessDeduction),
                    .Tabs = {1, 16, 39, 54, 61, 71, 80, 89, 96, 107, 116},
                    .Head = tableHead(net)};
  table.Tabs.resize(static_cast<std::size_t>(lastColumn) + 1);
  for (const AlikeSpans& row : alikeSpans(report, spans, net)) {
    table.Records.push_back(rowRecord(row, net, lastColumn));
  }
  // A head over nothing would only say what is not there.
  if (spans.empty()) {
    table.Head.clear();
    table.Records.push_back({.Lines = {{spanCell(kNumbers, lastColumn, CellAlign::Left,
                                                 "No ordinary stiffeners", Slant::Italic)}}});
  }
  printReportTable(report, table);
}

}  // namespace korain
