// Rules, section titles and double-underlined headings of the report.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "print/print_surface.h"

namespace korain {

// A rule across the printable width, or from x1 to x2, a third of a line
// below y; y moves on another third and x returns to 0.
void horizontalRule(PrintSurface& surface);
void horizontalRule(PrintSurface& surface, double x2, double x1 = 0);

// The text in bold, sizeIncrease points larger, centred on the width (at x = 0
// when the size is not increased), followed by a new line in that font.
void printSectionTitle(PrintSurface& surface, std::string_view text);
void printSectionTitle(PrintSurface& surface, std::string_view text, double width,
                       double sizeIncrease = 2);

// The text at the column with two rules under it over its width; with y0 the
// top of the text and L a line height, they lie at y0 + L and y0 + 7L/6, and
// y moves on to y0 + 1.5L with x at 0.
void printUnderlinedHeading(PrintSurface& surface, std::string_view text, int column);

}  // namespace korain
