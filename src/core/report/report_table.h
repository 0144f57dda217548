// The tables of the data report: a title, a head and records laid out on
// measured columns, continued on new pages with the head and the numbers of
// what they continue.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "print/table_layout.h"
#include "report/report_context.h"

namespace korain {

// One row of a table: its lines, kept together on a page.
struct TableRecord {
  std::vector<TableLine> Lines;
  // What a reader needs when the record opens a continued page: lines printed
  // before it (the banner of the bulkhead it belongs to), and cells added to
  // its first line (the numbers of the bulkhead, band or compartment).
  std::vector<TableLine> ContinuedLines{};
  TableLine ContinuedCells{};
};

struct ReportTable {
  std::string Title;
  std::vector<int> Tabs;  // the tab column of each column
  std::vector<TableLine> Head{};
  std::vector<TableRecord> Records{};
};

// A table's layout and the font it is printed in: the surface's font, or a
// smaller one when the table laid out in it would run past the printable
// width (tab columns are as wide as the font's characters, so the table
// shrinks with it). Never below kSmallestTableFont.
inline constexpr double kSmallestTableFont = 5;
struct FittedTable {
  PrintFont Font;
  TableLayout Layout;
};
FittedTable fitTable(PrintSurface& surface, const std::vector<int>& tabs,
                     const std::vector<TableLine>& lines);

// The record's first line with its continuation cells added.
TableLine continuedFirstLine(const TableRecord& record);

// Every line the table can print, continued forms included: what its columns
// are laid out by.
std::vector<TableLine> linesOf(const ReportTable& table);

// The section title and a rule across the table, the head between two rules.
void printTableTop(ReportContext& report, const std::string& title, const TableLayout& layout,
                   const std::vector<TableLine>& head);

// The whole table: its top on a page with room for a few rows, then the
// records, each on the page that has room for all its lines; a record that
// opens a new page comes after the title, the head and its continued lines.
void printReportTable(ReportContext& report, const ReportTable& table);
// The same on a layout fitted once for several tables, so that a table
// printed in parts (one per bulkhead, with drawings between) keeps its columns.
void printReportTable(ReportContext& report, const ReportTable& table, const FittedTable& fitted);

}  // namespace korain
