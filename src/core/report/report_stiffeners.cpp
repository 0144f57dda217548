// The ordinary stiffeners of each bulkhead: location and scantling span by
// span, then the two ends with their brackets.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "checks/code_texts.h"
#include "checks/scantling_texts.h"
#include "print/page_flow.h"
#include "report/report_sections.h"
#include "report/report_table.h"
#include "text/number_format.h"

namespace korain {
namespace {

std::string bulkheadSuffix(int number) { return " - Bulkhead n° " + std::to_string(number); }

TableLine spanLine(const ReportContext& report, int p, const StiffenerSpan& span) {
  TableLine line{indexCell(1, p)};
  if (span.HasScantling) {
    line.push_back(textCell(3, materialText(report, span.Mat)));
    line.push_back(textCell(5, scantlingLabel(span.Scant, report.ship)));
  } else {
    line.push_back(textCell(5, "default", Slant::Italic));
  }
  line.push_back(numberCell(8, span.LowerBracketLength));
  line.push_back(numberCell(10, span.UpperBracketLength));
  return line;
}

// Stiffener, span, position, material, scantling, span reduction, and the
// bracket lengths of each span at its lower and upper end.
void printLocationTable(ReportContext& report, int number, const Bulkhead& b) {
  ReportTable table{
      .Title = "Ordinary Stiffeners - Location and scantling" + bulkheadSuffix(number),
      .Tabs = {5, 10, 18, 30, 40, 43, 50, 65, 80, 83, 90, 93},
      .Head = {{headCell(0, "Stif."), headCell(1, "Span"), headCell(2, "Position"),
                headCell(3, "Material"), headCell(5, "Scantling"),
                spanCell(8, 10, CellAlign::Head, "Bracket Length")},
               {headCell(2, "(m)"), headCell(8, "Lower"), headCell(10, "Upper")},
               {headCell(8, "(m)"), headCell(10, "(m)")}}};
  for (int k = 1; k <= b.Stiffeners.count(); ++k) {
    const OrdinaryStiffener& s = b.Stiffeners.at(k);
    TableRecord record{
        .Lines = {{indexCell(0, k), numberCell(2, s.Position),
                   textCell(3, materialText(report, s.iMat)),
                   textCell(5, scantlingLabel(s.Scant, report.ship)),
                   textCell(7, "span reduction " + formatNumber(s.SpanReduction, "#0.00"),
                            Slant::Italic)}}};
    // The stiffener's line stays with its first span; further spans carry
    // the stiffener's number onto a new page.
    for (int p = 1; p <= s.Spans.count(); ++p) {
      if (p == 1) {
        record.Lines.push_back(spanLine(report, p, s.Spans.at(p)));
        continue;
      }
      table.Records.push_back(std::move(record));
      record = {.Lines = {spanLine(report, p, s.Spans.at(p))}, .ContinuedCells = {indexCell(0, k)}};
    }
    table.Records.push_back(std::move(record));
  }
  printReportTable(report, table);
}

// The support interval of the span at a stiffener's end: where the end is supported.
int endInterval(const OrdinaryStiffener& s, bool lower) {
  if (!s.Spans.isDimensioned()) return 0;
  return lower ? s.Spans.first().IntervalNumber : s.Spans.last().IntervalNumber;
}

// Stiffener, end, fixed, bracket, its length and scantling, the connection
// type and the support interval of the end.
void printEndsTable(ReportContext& report, int number, const Bulkhead& b) {
  ReportTable table{
      .Title = "Lower and Upper Ends - Brackets" + bulkheadSuffix(number),
      .Tabs = {5, 13, 22, 32, 42, 55, 69, 82, 84, 88},
      .Head = {{headCell(0, "Stif."), headCell(1, "End"), headCell(2, "Fixed"),
                headCell(3, "Bracket"), headCell(4, "Length"), headCell(5, "Scantling"),
                headCell(6, "Connection"), headCell(8, "Supp.")},
               {headCell(4, "(m)")}}};
  for (int k = 1; k <= b.Stiffeners.count(); ++k) {
    const OrdinaryStiffener& s = b.Stiffeners.at(k);
    TableRecord record;
    for (int end = 1; end <= 2; ++end) {
      const Bracket& bracket = s.Brackets.at(end);
      TableLine line;
      if (end == 1) line.push_back(indexCell(0, k));
      line.push_back(cell(1, CellAlign::Centre, end == 1 ? "LowEnd" : "UppEnd"));
      line.push_back(cell(2, CellAlign::Centre, std::string(yesNo(bracket.Fixed))));
      line.push_back(cell(3, CellAlign::Centre, std::string(yesNo(bracket.Enabled))));
      if (bracket.Enabled) {
        line.push_back(numberCell(4, bracket.Length));
        line.push_back(textCell(5, bracketScantlingText(bracket.Scant)));
      }
      if (end == 1) line.push_back(textCell(6, std::string(connectionText(s.TypeConn))));
      line.push_back(cell(8, CellAlign::Centre, std::to_string(endInterval(s, end == 1))));
      record.Lines.push_back(std::move(line));
    }
    table.Records.push_back(std::move(record));
  }
  printReportTable(report, table);
}

}  // namespace

void printOrdinaryStiffeners(ReportContext& report, BulkheadDrawings drawings) {
  if (isOutputHidden(report.surface)) return;
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    printLocationTable(report, i, bulkheads.at(i));
    printEndsTable(report, i, bulkheads.at(i));
    if (drawings == BulkheadDrawings::Included) printBulkheadDrawing(report, i);
  }
}

}  // namespace korain
