// Fitting a report table to its columns and printing it, continued over pages.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_table.h"

#include <algorithm>
#include <cmath>

#include "print/font_change.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"

namespace korain {
namespace {

// A table starts only where its title, head and first rows fit.
constexpr int kTableStartLines = 8;

void printLines(PrintSurface& surface, const TableLayout& layout,
                const std::vector<TableLine>& lines) {
  for (const TableLine& line : lines) {
    layout.print(surface, line);
    surface.newLine();
  }
}

int lineCount(const std::vector<TableLine>& lines) { return static_cast<int>(lines.size()); }

}  // namespace

FittedTable fitTable(PrintSurface& surface, const std::vector<int>& tabs,
                     const std::vector<TableLine>& lines) {
  PrintFont font = surface.font();
  // Text widths do not scale exactly with the size (hinting), so the size is
  // tried again in half points until the table fits.
  for (;;) {
    const FontChange trial(surface, font);
    TableLayout layout(surface, tabs, lines);
    const double width = layout.ruleWidth();
    if (width <= surface.width() || font.Size <= kSmallestTableFont) {
      return {font, std::move(layout)};
    }
    const double scaled = std::floor(font.Size * surface.width() / width * 2) / 2;
    font.Size = std::max(kSmallestTableFont, std::min(scaled, font.Size - 0.5));
  }
}

TableLine continuedFirstLine(const TableRecord& record) {
  TableLine line = record.Lines.empty() ? TableLine{} : record.Lines.front();
  for (const TableCell& added : record.ContinuedCells) {
    const bool taken = std::any_of(line.begin(), line.end(), [&](const TableCell& c) {
      return c.First <= added.Last && added.First <= c.Last;
    });
    if (!taken) line.push_back(added);
  }
  std::stable_sort(line.begin(), line.end(),
                   [](const TableCell& a, const TableCell& b) { return a.First < b.First; });
  return line;
}

std::vector<TableLine> linesOf(const ReportTable& table) {
  std::vector<TableLine> lines = table.Head;
  for (const TableRecord& record : table.Records) {
    lines.insert(lines.end(), record.Lines.begin(), record.Lines.end());
    lines.insert(lines.end(), record.ContinuedLines.begin(), record.ContinuedLines.end());
    if (!record.ContinuedCells.empty()) lines.push_back(continuedFirstLine(record));
  }
  return lines;
}

void printTableTop(ReportContext& report, const std::string& title, const TableLayout& layout,
                   const std::vector<TableLine>& head) {
  printSectionTitle(report.surface, title);
  horizontalRule(report.surface, layout.ruleWidth());
  if (head.empty()) return;
  printLines(report.surface, layout, head);
  horizontalRule(report.surface, layout.ruleWidth());
}

void printReportTable(ReportContext& report, const ReportTable& table) {
  printReportTable(report, table, fitTable(report.surface, table.Tabs, linesOf(table)));
}

void printReportTable(ReportContext& report, const ReportTable& table, const FittedTable& fitted) {
  PrintSurface& surface = report.surface;
  const FontChange fit(surface, fitted.Font);
  const TableLayout& layout = fitted.Layout;
  ensureSpace(surface, report.setup, kTableStartLines);
  printTableTop(report, table.Title, layout, table.Head);
  for (const TableRecord& record : table.Records) {
    if (ensureSpace(surface, report.setup, lineCount(record.Lines))) {
      printTableTop(report, table.Title, layout, table.Head);
      printLines(surface, layout, record.ContinuedLines);
      std::vector<TableLine> lines = record.Lines;
      if (!lines.empty()) lines.front() = continuedFirstLine(record);
      printLines(surface, layout, lines);
    } else {
      printLines(surface, layout, record.Lines);
    }
  }
  advanceY(surface, 1);
}

}  // namespace korain
