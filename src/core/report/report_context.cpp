// The cells and texts every section of the data report shares.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_context.h"

#include "ship/ship_queries.h"
#include "text/number_format.h"

namespace korain {

std::string_view yesNo(bool flag) { return flag ? "Yes" : "No"; }

std::string materialText(const ReportContext& report, int material) {
  return materialName(material, report.ship);
}

TableCell numberCell(int column, double value, std::string_view format) {
  return cell(column, CellAlign::Decimal, formatNumber(value, format));
}

TableCell indexCell(int column, int index) {
  return cell(column, CellAlign::Right, std::to_string(index));
}

TableCell textCell(int column, std::string text, Slant slant) {
  return cell(column, CellAlign::Left, std::move(text), slant);
}

TableCell headCell(int column, std::string text) {
  return cell(column, CellAlign::Head, std::move(text));
}

TableCell absentCell(int column) { return cell(column, CellAlign::Decimal, "–"); }

}  // namespace korain
