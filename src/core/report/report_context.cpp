#include "report/report_context.h"

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "ship/ship_queries.h"

namespace korain {

double ruleWidth(const ReportContext& report, const Columns& columns) {
  return tabX(report.surface, columns.last());
}

void printTitleAndRule(ReportContext& report, std::string_view title, const Columns& columns) {
  printSectionTitle(report.surface, title);
  horizontalRule(report.surface, ruleWidth(report, columns));
}

void startTable(ReportContext& report, const std::string& title, const Columns& columns,
                const std::vector<HeadLine>& head) {
  ensureSpace(report.surface, report.setup, 8);
  printTitleAndRule(report, title, columns);
  printTableHead(report.surface, head, ruleWidth(report, columns));
}

void ensureRow(ReportContext& report, const std::string& title, const Columns& columns,
               const std::vector<HeadLine>& head, int lines) {
  ensureRowSpace(report.surface, report.setup, lines, [&] {
    printTitleAndRule(report, title, columns);
    printTableHead(report.surface, head, ruleWidth(report, columns));
  });
}

std::string_view yesNo(bool flag) { return flag ? "Yes" : "No"; }

void printValue(ReportContext& report, int column, double value, std::string_view format) {
  printNumber(report.surface, column, value, format);
}

std::string materialText(const ReportContext& report, int material) {
  return materialName(material, report.ship);
}

}  // namespace korain
