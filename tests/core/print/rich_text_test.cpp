// The markup of superscripts, subscripts and symbols, split and printed.
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
  } cases[] = {
      {"", {}},
      {"plain", {{kPlain, "plain"}}},
      {"10^3", {{kPlain, "10"}, {kSup, "3"}}},
      {"a^^b", {{kPlain, "a^b"}}},
      {"H_2O", {{kPlain, "H"}, {kSub, "2"}, {kPlain, "O"}}},
      {"~a", {{kSymbol, "a"}}},
      {"m^2/s^2", {{kPlain, "m"}, {kSup, "2"}, {kPlain, "/s"}, {kSup, "2"}}},
      {"x^", {{kPlain, "x^"}}},
      {"^_", {{kSup, "_"}}},
      {"~~ and __", {{kPlain, "~ and _"}}},
      {"^^^2", {{kPlain, "^"}, {kSup, "2"}}},
      {"t^°C", {{kPlain, "t"}, {kSup, "°"}, {kPlain, "C"}}},
      {"~b~c", {{kSymbol, "b"}, {kSymbol, "c"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitRichRuns(c.text), c.runs) << c.text;
}

struct PrintRich : ::testing::Test {
  FakePrintSurface surface;
  PageSetup setup;

  PrintRich() {
    setup.SymbolFontName = "Greek Symbols";
    surface.setX(1);
    surface.setY(5);
  }
};

// In 7 points "A" is 0.35 cm high; h = 0.35 / 1.6.
constexpr double kScriptH = 0.35 / 1.6;

TEST_F(PrintRich, ASuperscriptIsSmallerAndRaised) {
  const double width = printRich(surface, setup, "10^3");
  EXPECT_NEAR(width, 0.5 + 0.175, kNear);
  const Drawn ten = surface.text("10");
  const Drawn three = surface.text("3");
  EXPECT_NEAR(ten.X, 1, kNear);
  EXPECT_NEAR(ten.Y, 5, kNear);
  EXPECT_NEAR(ten.Font.Size, 10, kNear);
  EXPECT_NEAR(three.X, 1.5, kNear);
  EXPECT_NEAR(three.Y, 5 - kScriptH / 2.5, kNear);
  EXPECT_NEAR(three.Font.Size, 7, kNear);
  EXPECT_NEAR(surface.x(), 1 + width, kNear);
  EXPECT_NEAR(surface.y(), 5, kNear);
  EXPECT_EQ(surface.font(), PrintFont{});
}

TEST_F(PrintRich, ASubscriptIsSmallerAndLowered) {
  printRich(surface, setup, "H_2O");
  EXPECT_NEAR(surface.text("2").Y, 5 + kScriptH, kNear);
  EXPECT_NEAR(surface.text("2").Font.Size, 7, kNear);
  EXPECT_NEAR(surface.text("O").Y, 5, kNear);
  EXPECT_NEAR(surface.text("O").X, 1.25 + 0.175, kNear);
}

TEST_F(PrintRich, ASymbolIsPrintedInTheSymbolFontOnTheLine) {
  surface.setFont({.Name = "Times", .Size = 10, .Bold = true});
  printRich(surface, setup, "~s = 5");
  const Drawn sigma = surface.text("s");
  EXPECT_EQ(sigma.Font.Name, "Greek Symbols");
  EXPECT_TRUE(sigma.Font.Bold);
  EXPECT_NEAR(sigma.Y, 5, kNear);
  EXPECT_EQ(surface.text(" = 5").Font.Name, "Times");
  EXPECT_EQ(surface.font().Name, "Times");
}

TEST_F(PrintRich, MeasuringDrawsNothingAndLeavesThePosition) {
  const double width = printRich(surface, setup, "m^2 and ~a", true);
  EXPECT_NEAR(width, 0.25 + 0.175 + 5 * 0.25 + 0.25, kNear);
  EXPECT_TRUE(surface.drawn.empty());
  EXPECT_NEAR(surface.x(), 1, kNear);
  EXPECT_NEAR(surface.y(), 5, kNear);
}

}  // namespace
}  // namespace korain::testing
