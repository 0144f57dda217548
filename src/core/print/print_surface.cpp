// Printing text, lines and pictures from the left margin, and moving the current place.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_surface.h"

#include <algorithm>

namespace korain {

void PrintSurface::setFont(const PrintFont& font) {
  font_ = font;
  applyFont(font_);
}

double PrintSurface::width() const {
  const double leftOfZero = areaLeft() + leftMargin_;
  return std::min(sheetWidth() - 2 * leftOfZero, areaWidth() - leftMargin_);
}

double PrintSurface::lineHeight() const { return textHeight("Ég"); }

void PrintSurface::print(std::string_view text) {
  drawTextAt(leftMargin_ + x_, y_, text);
  x_ += textWidth(text);
}

void PrintSurface::newLine() {
  x_ = 0;
  y_ += lineHeight();
}

void PrintSurface::drawLine(double x1, double y1, double x2, double y2) {
  drawLineAt(leftMargin_ + x1, y1, leftMargin_ + x2, y2);
}

void PrintSurface::drawRect(double x, double y, double width, double height) {
  drawRectAt(leftMargin_ + x, y, width, height);
}

void PrintSurface::drawPicture(const ReportPicture& picture, double x, double y, double width,
                               double height) {
  drawPictureAt(picture, leftMargin_ + x, y, width, height);
}

void PrintSurface::newPage() {
  startPage();
  ++page_;
  x_ = 0;
  y_ = 0;
}

}  // namespace korain
