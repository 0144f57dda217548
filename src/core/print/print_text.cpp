// Printing text on tab columns and dotted leaders from a label to its value.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_text.h"

#include <algorithm>

#include "print/font_change.h"
#include "text/number_format.h"

namespace korain {
namespace {

constexpr std::string_view kLeaderDot = " .";

void printFrom(PrintSurface& surface, double x, std::string_view text, Slant slant) {
  PrintFont font = surface.font();
  font.Italic = font.Italic || slant == Slant::Italic;
  const FontChange change(surface, font);
  surface.setX(x);
  surface.print(text);
}

}  // namespace

double tabX(const PrintSurface& surface, int column) {
  return std::max(column - 1, 0) * surface.averageCharWidth();
}

void advanceY(PrintSurface& surface, double k) {
  surface.setY(surface.y() + surface.lineHeight() / k);
}

void printAt(PrintSurface& surface, int column, std::string_view text, Slant slant) {
  printFrom(surface, tabX(surface, column), text, slant);
}

void printCentred(PrintSurface& surface, int column, std::string_view text) {
  printFrom(surface, tabX(surface, column) - surface.textWidth(text) / 2, text, Slant::AsFont);
}

void printRight(PrintSurface& surface, int column, std::string_view text) {
  printFrom(surface, tabX(surface, column) - surface.textWidth(text), text, Slant::AsFont);
}

void printNumber(PrintSurface& surface, int column, double value, std::string_view format,
                 Slant slant) {
  const std::string text = formatNumber(value, format);
  const std::size_t point = text.find('.');
  const std::string_view beforePoint =
      point == std::string::npos ? std::string_view(text) : std::string_view(text).substr(0, point);
  // Measured in the font the number is printed in, italic included.
  PrintFont font = surface.font();
  font.Italic = font.Italic || slant == Slant::Italic;
  const FontChange change(surface, font);
  surface.setX(tabX(surface, column) - surface.textWidth(beforePoint));
  surface.print(text);
}

void dotLeaderTo(PrintSurface& surface, double target) {
  const double dot = surface.textWidth(kLeaderDot);
  while (surface.x() + dot < target - 2 * dot) surface.print(kLeaderDot);
}

void dotLeader(PrintSurface& surface, int column, std::string_view text, LeaderEnd end) {
  const bool rightAligned = end == LeaderEnd::TextEndsAtColumn;
  dotLeaderTo(surface, tabX(surface, column) - (rightAligned ? surface.textWidth(text) : 0));
  if (rightAligned) {
    printRight(surface, column, text);
  } else {
    printAt(surface, column, text);
  }
}

void printLabelValue(PrintSurface& surface, int labelColumn, int valueColumn,
                     std::string_view label, double value, std::string_view format) {
  printAt(surface, labelColumn, label);
  const std::string text = formatNumber(value, format);
  const std::size_t point = text.find('.');
  const double valueLeft =
      tabX(surface, valueColumn + 3) -
      surface.textWidth(std::string_view(text).substr(0, std::min(point, text.size())));
  dotLeaderTo(surface, std::min(tabX(surface, valueColumn), valueLeft));
  printNumber(surface, valueColumn + 3, value, format);
}

}  // namespace korain
