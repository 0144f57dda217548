// The ordinary stiffeners of each bulkhead: location and scantling span by
// span, then the two ends with their brackets.
#include <string>

#include "checks/code_texts.h"
#include "checks/scantling_texts.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "text/number_format.h"

namespace korain {
namespace {

const Columns kLocationColumns{5, 10, 18, 30, 40, 43, 50, 65, 80, 83, 90, 93};
const Columns kEndColumns{5, 13, 22, 32, 42, 55, 69, 82, 84, 88};

std::string bulkheadSuffix(int number) { return " - Bulkhead n° " + std::to_string(number); }

void printLocationTable(ReportContext& report, int number, const Bulkhead& b) {
  const std::string title = "Ordinary Stiffeners - Location and scantling" + bulkheadSuffix(number);
  const Columns& c = kLocationColumns;
  const std::vector<HeadLine> head{{{c[0], "Stif."},
                                    {c[1], "Span"},
                                    {c[2], "Position"},
                                    {c[3] + 3, "Material"},
                                    {c[5] + 10, "Scantling"},
                                    {(c[8] + c[10]) / 2, "Bracket Length"}},
                                   {{c[2], "(m)"}, {c[8], "Lower"}, {c[10], "Upper"}},
                                   {{c[8], "(m)"}, {c[10], "(m)"}}};
  startTable(report, title, c, head);
  for (int k = 1; k <= b.Stiffeners.count(); ++k) {
    const OrdinaryStiffener& s = b.Stiffeners.at(k);
    ensureRow(report, title, c, head, 2);
    printRight(report.surface, c[0] + 1, std::to_string(k));
    printValue(report, c[2], s.Position);
    printAt(report.surface, c[3], materialText(report, s.iMat));
    printAt(report.surface, c[5], scantlingLabel(s.Scant, report.ship));
    printAt(report.surface, c[7] + 6, "span reduction " + formatNumber(s.SpanReduction, "#0.00"),
            Slant::Italic);
    report.surface.newLine();
    for (int p = 1; p <= s.Spans.count(); ++p) {
      const StiffenerSpan& span = s.Spans.at(p);
      ensureRow(report, title, c, head);
      printRight(report.surface, c[1] + 1, std::to_string(p));
      if (span.HasScantling) {
        printAt(report.surface, c[3], materialText(report, span.Mat));
        printAt(report.surface, c[5], scantlingLabel(span.Scant, report.ship));
      } else {
        printAt(report.surface, c[5], "default", Slant::Italic);
      }
      printValue(report, c[8], span.LowerBracketLength);
      printValue(report, c[10], span.UpperBracketLength);
      report.surface.newLine();
    }
  }
  advanceY(report.surface, 1);
}

// The support interval of the span at a stiffener's end: where the end is supported.
int endInterval(const OrdinaryStiffener& s, bool lower) {
  if (!s.Spans.isDimensioned()) return 0;
  return lower ? s.Spans.first().IntervalNumber : s.Spans.last().IntervalNumber;
}

void printEndsTable(ReportContext& report, int number, const Bulkhead& b) {
  const std::string title = "Lower and Upper Ends - Brackets" + bulkheadSuffix(number);
  const Columns& c = kEndColumns;
  const std::vector<HeadLine> head{{{c[0], "Stif."},
                                    {c[1], "End"},
                                    {c[2], "Fixed"},
                                    {c[3], "Bracket"},
                                    {c[4], "Length"},
                                    {c[5], "Scantling"},
                                    {c[6] + 2, "Connection"},
                                    {c[8], "Supp."}},
                                   {{c[4], "(m)"}}};
  startTable(report, title, c, head);
  for (int k = 1; k <= b.Stiffeners.count(); ++k) {
    const OrdinaryStiffener& s = b.Stiffeners.at(k);
    ensureRow(report, title, c, head, 2);
    for (int end = 1; end <= 2; ++end) {
      const Bracket& bracket = s.Brackets.at(end);
      if (end == 1) printRight(report.surface, c[0] + 1, std::to_string(k));
      printCentred(report.surface, c[1], end == 1 ? "LowEnd" : "UppEnd");
      printCentred(report.surface, c[2], yesNo(bracket.Fixed));
      printCentred(report.surface, c[3], yesNo(bracket.Enabled));
      if (bracket.Enabled) {
        printValue(report, c[4], bracket.Length);
        printAt(report.surface, c[5] - 7, bracketScantlingText(bracket.Scant));
      }
      if (end == 1) printAt(report.surface, c[6] - 4, std::string(connectionText(s.TypeConn)));
      printCentred(report.surface, c[8], std::to_string(endInterval(s, end == 1)));
      report.surface.newLine();
    }
  }
  advanceY(report.surface, 1);
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
