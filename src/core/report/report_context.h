// What every section of the data report works with, and the helpers they share.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/arrangement.h"
#include "print/page_setup.h"
#include "print/print_surface.h"
#include "print/print_table.h"
#include "ship/ship_data.h"

namespace korain {

struct ReportContext {
  PrintSurface& surface;
  PageSetup& setup;
  const Arrangement& arrangement;
  const ShipData& ship;
};

// The tab columns of one table, index 0 first; the last one ends its rules.
class Columns {
 public:
  Columns(std::initializer_list<int> columns) : columns_(columns) {}
  int operator[](std::size_t i) const { return columns_.at(i); }
  int last() const { return columns_.back(); }

 private:
  std::vector<int> columns_;
};

// The x of a table's last column: the width of its rules.
double ruleWidth(const ReportContext& report, const Columns& columns);

// A section title, then a rule across the table's width.
void printTitleAndRule(ReportContext& report, std::string_view title, const Columns& columns);

// Starts a table on a page with room for its title, head and a few rows.
void startTable(ReportContext& report, const std::string& title, const Columns& columns,
                const std::vector<HeadLine>& head);

// Makes room for a row; on a new page the title and the head come again.
void ensureRow(ReportContext& report, const std::string& title, const Columns& columns,
               const std::vector<HeadLine>& head, int lines = 1);

// "Yes" or "No".
std::string_view yesNo(bool flag);

// A number with its decimal point on the column, and a unit after it.
void printValue(ReportContext& report, int column, double value,
                std::string_view format = "###0.000");

// The material's display name, or the text of material 0.
std::string materialText(const ReportContext& report, int material);

}  // namespace korain
