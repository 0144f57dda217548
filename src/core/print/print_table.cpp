#include "print/print_table.h"

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"

namespace korain {

void printTableHead(PrintSurface& surface, const std::vector<HeadLine>& lines, double ruleWidth) {
  horizontalRule(surface, ruleWidth);
  for (const HeadLine& line : lines) {
    for (const HeadCell& cell : line) printCentred(surface, cell.Column, cell.Text);
    surface.newLine();
  }
  horizontalRule(surface, ruleWidth);
}

bool ensureRowSpace(PrintSurface& surface, PageSetup& setup, int lines,
                    const std::function<void()>& repeatHead) {
  if (!ensureSpace(surface, setup, lines)) return false;
  repeatHead();
  return true;
}

}  // namespace korain
