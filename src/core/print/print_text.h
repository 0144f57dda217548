// Text placed on tab columns: at, centred on, ending at, or with its decimal
// point on a column, and dotted leaders that join a label to its value.
// A tab column is as wide as an average character of the current font;
// column 1 lies at x = 0.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "print/print_surface.h"

namespace korain {

inline constexpr std::string_view kDefaultNumberFormat = "###0.000";

// The x of the column; a column below 1 is column 1.
double tabX(const PrintSurface& surface, int column);

// y moves down by one line height divided by k (up for a negative k).
void advanceY(PrintSurface& surface, double k = 2);

// Italic, or as the current font has it.
enum class Slant { AsFont, Italic };

void printAt(PrintSurface& surface, int column, std::string_view text, Slant slant = Slant::AsFont);
void printCentred(PrintSurface& surface, int column, std::string_view text);
void printRight(PrintSurface& surface, int column, std::string_view text);

// The value formatted with the pattern (see formatNumber): its "." stands on
// the column; a text without "." ends at the column.
void printNumber(PrintSurface& surface, int column, double value,
                 std::string_view format = kDefaultNumberFormat, Slant slant = Slant::AsFont);

// Dots (" .") from the current x towards the text, stopping while more than
// two dots' room is left before it; then the text at the column, or ending
// at it. Nothing is dotted when x is already that close.
enum class LeaderEnd { TextAtColumn, TextEndsAtColumn };
void dotLeader(PrintSurface& surface, int column, std::string_view text, LeaderEnd end);

// The dots alone, from the current x towards `target`.
void dotLeaderTo(PrintSurface& surface, double target);

// The label at its column, dots, and the value's "." three columns right of
// the value column; the dots stop short of the value however wide it is.
void printLabelValue(PrintSurface& surface, int labelColumn, int valueColumn,
                     std::string_view label, double value, std::string_view format);

}  // namespace korain
