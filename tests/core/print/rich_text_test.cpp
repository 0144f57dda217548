// The markup of superscripts, subscripts and symbols, split and printed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/rich_text.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"

namespace korain::testing {
namespace {

using Runs = std::vector<RichRun>;
constexpr RichMark kPlain = RichMark::Plain;
constexpr RichMark kSup = RichMark::Superscript;
constexpr RichMark kSub = RichMark::Subscript;
constexpr RichMark kSymbol = RichMark::Symbol;

TEST(PrintRichRuns, MarkersTakeTheOneCharacterAfterThem) {
  const struct {
    std::string_view text;
    Runs runs;
  } cases[] = {{"", {}},
               {"plain", {{kPlain, "plain"}}},
               {"H_2O", {{kPlain, "H"}, {kSub, "2"}, {kPlain, "O"}}},
               {"~a", {{kSymbol, "a"}}},
               {"m^2/s^2", {{kPlain, "m"}, {kSup, "2"}, {kPlain, "/s"}, {kSup, "2"}}},
               {"x^", {{kPlain, "x^"}}},
               {"^_", {{kSup, "_"}}},
               {"~~ and __", {{kPlain, "~ and _"}}},
               {"^^^2", {{kPlain, "^"}, {kSup, "2"}}},
               {"t^°C", {{kPlain, "t"}, {kSup, "°"}, {kPlain, "C"}}},
               {"~b~c", {{kSymbol, "b"}, {kSymbol, "c"}}}};
  for (const auto& c : cases) EXPECT_EQ(splitRichRuns(c.text), c.runs) << c.text;
}

TEST(PrintRich, ScriptsAreSmallerAndShiftedAndSymbolsInTheSymbolFontOnTheLine) {
  FakePrintSurface surface;
  surface.setFont({.Name = "Times", .Size = 10, .Bold = true});
  surface.moveTo(1, 5);
  PageSetup setup;
  setup.SymbolFontName = "Greek Symbols";
  // Runs "10", "3", " H", "2", "O ", "s": 0.5 + 0.175 + 0.5 + 0.175 + 0.5 + 0.25 cm.
  constexpr std::string_view kText = "10^3 H_2O ~s";
  EXPECT_NEAR(printRich(surface, setup, kText, true), 2.1, kNear);
  EXPECT_TRUE(surface.drawn.empty());  // only measured
  EXPECT_TRUE(isAt(surface, 1, 5));
  EXPECT_NEAR(printRich(surface, setup, kText), 2.1, kNear);
  // In 7 points "A" is 0.35 cm high; h = 0.35 / 1.6 raises by h / 2.5 and lowers by h.
  constexpr double kH = 0.35 / 1.6;
  const struct {
    std::string_view text;
    double x, y, size;
  } runs[] = {{"10", 1, 5, 10},        {"3", 1.5, 5 - kH / 2.5, 7}, {" H", 1.675, 5, 10},
              {"2", 2.175, 5 + kH, 7}, {"O ", 2.35, 5, 10},         {"s", 2.85, 5, 10}};
  for (const auto& r : runs) {
    const Drawn d = surface.text(r.text);
    EXPECT_TRUE(drawnAt(d, r.x, r.y));
    EXPECT_NEAR(d.Font.Size, r.size, kNear) << r.text;
    EXPECT_EQ(d.Font.Name, r.text == "s" ? "Greek Symbols" : "Times") << r.text;
    EXPECT_TRUE(d.Font.Bold) << r.text;
  }
  EXPECT_TRUE(isAt(surface, 3.1, 5));
  EXPECT_EQ(surface.font(), (PrintFont{.Name = "Times", .Size = 10, .Bold = true}));
}

}  // namespace
}  // namespace korain::testing
