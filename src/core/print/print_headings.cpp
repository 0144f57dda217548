// Printing the report's rules, section titles and double-underlined headings.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_headings.h"

#include "print/font_change.h"
#include "print/print_text.h"

namespace korain {

void horizontalRule(PrintSurface& surface) { horizontalRule(surface, surface.width()); }

void horizontalRule(PrintSurface& surface, double x2, double x1) {
  advanceY(surface, 3);
  surface.drawLine(x1, surface.y(), x2, surface.y());
  advanceY(surface, 3);
  surface.setX(0);
}

void printSectionTitle(PrintSurface& surface, std::string_view text) {
  printSectionTitle(surface, text, surface.width());
}

void printSectionTitle(PrintSurface& surface, std::string_view text, double width,
                       double sizeIncrease) {
  PrintFont font = surface.font();
  font.Size += sizeIncrease;
  font.Bold = true;
  const FontChange change(surface, font);
  surface.setX(sizeIncrease == 0 ? 0 : (width - surface.textWidth(text)) / 2);
  surface.print(text);
  surface.newLine();
}

void printUnderlinedHeading(PrintSurface& surface, std::string_view text, int column) {
  const double top = surface.y();
  const double line = surface.lineHeight();
  const double left = tabX(surface, column);
  const double right = left + surface.textWidth(text);
  printAt(surface, column, text);
  surface.drawLine(left, top + line, right, top + line);
  surface.drawLine(left, top + line * 7 / 6, right, top + line * 7 / 6);
  surface.setY(top + line * 1.5);
  surface.setX(0);
}

}  // namespace korain
