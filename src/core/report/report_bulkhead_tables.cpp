// The bulkhead description, the nodes and the primary members, with the
// drawing of each bulkhead.
#include <string>

#include "checks/code_texts.h"
#include "model/codes.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"
#include "report/report_sections.h"
#include "text/number_format.h"

namespace korain {
namespace {

const Columns kDescriptionColumns{1, 3, 5, 25, 43, 50, 72, 90, 100, 105};
const Columns kNodeColumns{7, 13, 18, 28, 38, 55};
const Columns kMemberColumns{7, 13, 20, 30, 42, 54, 64, 85, 87};

// The drawing takes this many lines of the page.
constexpr int kDrawingLines = 24;

std::string codeText(std::optional<std::string_view> text) {
  return std::string(text.value_or(""));
}

void printStoolLevel(ReportContext& report, int column, bool enabled, Single z) {
  if (enabled) {
    printValue(report, column, z);
  } else {
    printCentred(report.surface, column, "-");
  }
}

void printBulkheadBanner(ReportContext& report, int number, const Bulkhead& bulkhead) {
  printAt(report.surface, 1, "Bulk. " + std::to_string(number) + "  " + bulkhead.Name,
          Slant::Italic);
  report.surface.newLine();
}

std::string extremitiesText(const List<Single>& extremities) {
  std::string text;
  for (const Single value : extremities) {
    if (!text.empty()) text += "   ";
    text += formatNumber(value, "#0.000");
  }
  return text;
}

}  // namespace

void printBulkheadDescription(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  const std::string title = "Bulkhead Description";
  const Columns& c = kDescriptionColumns;
  const std::vector<HeadLine> head{{{c[1], "Bulk."},
                                    {c[3] + 6, "Type"},
                                    {c[4] + 4, "Material"},
                                    {(c[5] + c[7]) / 2 + 2, "Ordinary"},
                                    {c[7] + 3, "Lower"},
                                    {c[8] + 1, "Upper"}},
                                   {{c[5] + 9, "Stiffeners"},
                                    {c[6] + 6, "Stiffeners"},
                                    {c[7] + 3, "stool"},
                                    {c[8] + 1, "stool"}},
                                   {{c[5] + 9, "Location"},
                                    {c[6] + 6, "direction"},
                                    {c[7] + 3, "Ztop/BL"},
                                    {c[8] + 1, "Ztop/BL"}},
                                   {{c[7] + 3, "(m)"}, {c[8] + 1, "(m)"}}};
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    ensureRow(report, title, c, head, 2);
    printRight(report.surface, c[1] + 1, std::to_string(i));
    printAt(report.surface, c[2], b.Name);
    report.surface.newLine();
    printAt(report.surface, c[3], codeText(bulkheadTypeText(b.Typ)));
    printAt(report.surface, c[4], materialText(report, b.iMat));
    printAt(report.surface, c[5], codeText(sideText(b.stfside)));
    printAt(report.surface, c[6] + 2, codeText(directionText(b.stfHV)));
    printStoolLevel(report, c[7] + 3, b.Stool1Enabled, b.Stool1Z);
    printStoolLevel(report, c[8] + 1, b.Stool2Enabled, b.Stool2Z);
    if (b.Stool2Enabled && b.UpperStoolSloped) printAt(report.surface, c[9] - 1, "sloped");
    report.surface.newLine();
  }
  advanceY(report.surface, 1);
}

void printNodes(ReportContext& report) {
  if (isOutputHidden(report.surface)) return;
  const std::string title = "Nodes - Geometry";
  const Columns& c = kNodeColumns;
  const std::vector<HeadLine> head{{{c[0], "Node"},
                                    {c[1], "Curve"},
                                    {c[2], "y"},
                                    {c[3], "z"},
                                    {c[4] + 5, "Tangent point"},
                                    {c[5], "Radius"}},
                                   {{c[1], "code"},
                                    {c[2], "(m)"},
                                    {c[3], "(m)"},
                                    {c[4], "y (m)"},
                                    {c[4] + 10, "z (m)"},
                                    {c[5], "(m)"}}};
  startTable(report, title, c, head);
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    ensureRow(report, title, c, head, 3);
    printBulkheadBanner(report, i, b);
    for (int k = 1; k <= b.Nodes.count(); ++k) {
      const Node& n = b.Nodes.at(k);
      ensureRow(report, title, c, head, 2);
      printRight(report.surface, c[0] + 2, std::to_string(k));
      printCentred(report.surface, c[1], std::to_string(n.ShCur));
      printValue(report, c[2] + 2, n.Y);
      printValue(report, c[3] + 2, n.Z);
      printValue(report, c[4], n.ShYT);
      printValue(report, c[4] + 10, n.ShZT);
      printValue(report, c[5], n.ShR);
      report.surface.newLine();
      printAt(report.surface, c[1],
              "intersection " + std::to_string(n.Inter) + ", panel " + std::to_string(n.Ipan) +
                  ", node " + std::to_string(n.Inod) + ", position code " + std::to_string(n.PCod) +
                  (n.knu != 0 ? ", knuckle" : ", no knuckle"),
              Slant::Italic);
      report.surface.newLine();
    }
  }
  advanceY(report.surface, 1);
}

void printPrimaryMembers(ReportContext& report, BulkheadDrawings drawings) {
  if (isOutputHidden(report.surface)) return;
  const std::string title = "Primary supporting members";
  const Columns& c = kMemberColumns;
  const std::vector<HeadLine> head{
      {{c[0], "Memb."},
       {c[1] + 3, "Direction"},
       {c[3], "Position"},
       {c[4], "From"},
       {c[5], "To"},
       {c[6] + 8, "Extremities and crossings"}},
      {{c[3], "(m)"}, {c[4], "(m)"}, {c[5], "(m)"}, {c[6] + 8, "(m)"}}};
  const List<Bulkhead>& bulkheads = report.arrangement.Bulkheads;
  startTable(report, title, c, head);
  for (int i = 1; i <= bulkheads.count(); ++i) {
    const Bulkhead& b = bulkheads.at(i);
    ensureRow(report, title, c, head, 3);
    printBulkheadBanner(report, i, b);
    for (int j = 1; j <= b.PrimaryMembers.count(); ++j) {
      const PrimaryMember& m = b.PrimaryMembers.at(j);
      ensureRow(report, title, c, head);
      printRight(report.surface, c[0] + 2, std::to_string(j));
      printAt(report.surface, c[1], std::string(directionText(m.HV).value_or("")));
      printValue(report, c[3], m.Position);
      if (m.Extremities.isDimensioned()) {
        printValue(report, c[4], m.Extremities.first());
        printValue(report, c[5], m.Extremities.last());
        printAt(report.surface, c[6], extremitiesText(m.Extremities));
      }
      report.surface.newLine();
    }
    if (drawings == BulkheadDrawings::Included) printBulkheadDrawing(report, i);
  }
  advanceY(report.surface, 1);
}

void printBulkheadDrawing(ReportContext& report, int bulkhead) {
  PrintSurface& surface = report.surface;
  ensureSpace(surface, report.setup, kDrawingLines);
  const double height = (kDrawingLines - 1) * surface.lineHeight();
  const double width = surface.width() * 0.8;
  surface.drawPicture({ReportPicture::Kind::Bulkhead, bulkhead}, (surface.width() - width) / 2,
                      surface.y(), width, height);
  surface.setY(surface.y() + height);
  surface.newLine();
}

}  // namespace korain
