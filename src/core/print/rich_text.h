// Text with a small markup for units and symbols: "^c" raises the character c
// as a superscript, "_c" lowers it as a subscript, "~c" shows it in the symbol
// font; a marker written twice is that character itself ("a^^b" is "a^b").
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "print/page_setup.h"
#include "print/print_surface.h"

namespace korain {

enum class RichMark { Plain, Superscript, Subscript, Symbol };

struct RichRun {
  RichMark Mark = RichMark::Plain;
  std::string Text;

  bool operator==(const RichRun&) const = default;
};

// Plain runs gather every character up to the next mark; a marked run holds
// the one (UTF-8) character after its marker. A marker at the end is plain.
std::vector<RichRun> splitRichRuns(std::string_view text);

// Prints the text at the current position, or only measures it; returns its
// width either way. y is the same afterwards; x has moved past the text when
// it was printed. Sub- and superscripts are 3 points smaller.
double printRich(PrintSurface& surface, const PageSetup& setup, std::string_view text,
                 bool measureOnly = false);

}  // namespace korain
