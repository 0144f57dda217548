// Tables of the report: a head of centred texts between two rules, and rows
// that carry the head over to every new page they run onto.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/page_setup.h"
#include "print/print_surface.h"

namespace korain {

// One text of a table head, centred on its tab column.
struct HeadCell {
  int Column = 1;
  std::string Text;
};
using HeadLine = std::vector<HeadCell>;

// A rule, the head's lines, a rule; the rules run from x = 0 to ruleWidth.
void printTableHead(PrintSurface& surface, const std::vector<HeadLine>& lines, double ruleWidth);

// Makes room for a row of `lines` lines; when that takes a new page,
// `repeatHead` prints the section's title and the table head on it first.
// True when a new page was started.
bool ensureRowSpace(PrintSurface& surface, PageSetup& setup, int lines,
                    const std::function<void()>& repeatHead);

}  // namespace korain
