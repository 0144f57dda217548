// The surface's position and left margin, text on tab columns, rules, titles and headings, in
// the fake's 10-point font: a character and a tab column are 0.25 cm wide, a line 0.5 cm high;
// column 21 lies at x = 5.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_text.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"
#include "print/print_headings.h"

namespace korain::testing {
namespace {

TEST(PrintSurface, TheLeftMarginShiftsWhatIsDrawnAndNarrowsTheWidthOnBothSides) {
  FakePrintSurface surface;
  surface.setLeftMargin(1.5);
  EXPECT_NEAR(surface.width(), 17, kNear);
  surface.moveTo(1, 3);
  surface.print("abcd");
  EXPECT_TRUE(isAt(surface, 2, 3));
  surface.newLine();
  EXPECT_TRUE(isAt(surface, 0, 3.5));
  surface.drawLine(0, 1, 4, 2);
  surface.drawRect(1, 2, 3, 4);
  ASSERT_EQ(surface.drawn.size(), 3U);
  EXPECT_TRUE(drawnAt(surface.drawn[0], 2.5, 3));
  EXPECT_NEAR(surface.drawn[1].X, 1.5, kNear);
  EXPECT_NEAR(surface.drawn[1].X2, 5.5, kNear);
  EXPECT_NEAR(surface.drawn[2].X, 2.5, kNear);
  EXPECT_NEAR(surface.drawn[2].X2, 3, kNear);  // the width is not shifted
}

TEST(PrintTabs, ColumnsAreAverageCharactersFromColumnOneAndAdvanceYAFractionOfALine) {
  FakePrintSurface surface;
  for (const auto& [column, x] :
       {std::pair{1, 0.0}, {0, 0.0}, {-3, 0.0}, {2, 0.25}, {11, 2.5}, {101, 25.0}}) {
    EXPECT_NEAR(tabX(surface, column), x, kNear) << column;
  }
  for (const auto& [k, dy] : {std::pair{2.0, 0.25}, {3.0, 0.5 / 3}, {1.0, 0.5}, {-2.0, -0.25}}) {
    surface.setY(10);
    advanceY(surface, k);
    EXPECT_NEAR(surface.y(), 10 + dy, kNear) << k;
  }
  surface.setY(0);
  advanceY(surface);  // half a line by default
  EXPECT_NEAR(surface.y(), 0.25, kNear);
  surface.setFont({.Size = 12});
  EXPECT_NEAR(tabX(surface, 11), 3, kNear);
}

TEST(PrintColumns, TextStartsAtIsCentredOnOrEndsAtTheColumnInItalicOnlyWhenAsked) {
  FakePrintSurface surface;
  surface.setY(2);
  printAt(surface, 21, "left", Slant::Italic);
  EXPECT_NEAR(surface.x(), 6, kNear);
  printCentred(surface, 21, "mid!");
  printRight(surface, 21, "righ");
  EXPECT_NEAR(surface.x(), 5, kNear);
  printNumber(surface, 30, 2.75, "#0.00", Slant::Italic);
  EXPECT_TRUE(drawnAt(surface.text("left"), 5, 2));
  EXPECT_TRUE(drawnAt(surface.text("mid!"), 4.5, 2));
  EXPECT_TRUE(drawnAt(surface.text("righ"), 4, 2));
  EXPECT_TRUE(surface.text("left").Font.Italic && surface.text("2.75").Font.Italic);
  EXPECT_FALSE(surface.text("mid!").Font.Italic || surface.font().Italic);
}

TEST(PrintNumbers, ThePointStandsOnTheColumnAndNumbersWithoutOneEndThere) {
  const struct {
    double value, x;
    std::string_view format, text;
  } cases[] = {{12.5, 4.5, "#0.00", "12.50"}, {12.5, 4.5, kDefaultNumberFormat, "12.500"},
               {1234.5, 4, "#0.0", "1234.5"}, {-0.25, 4.5, "#0.00", "-0.25"},
               {0.5, 5, "#.00", ".50"},       {7, 4.75, "#0", "7"},
               {12.5, 4.5, "#0", "13"},       {3, 4.25, "#0 m", "3 m"}};
  for (const auto& c : cases) {
    FakePrintSurface surface;
    printNumber(surface, 21, c.value, c.format);
    EXPECT_NEAR(surface.text(c.text).X, c.x, kNear) << c.text;
  }
}

TEST(PrintLeaders, DotsStopMoreThanTwoDotsBeforeTheText) {
  // A dot (" .") is 0.5 cm wide; the text goes to column 21 (x = 5).
  const struct {
    double startX, textX;
    std::string_view text;
    bool rightAligned;
    int dots;
  } cases[] = {
      {1.25, 5, "abcd", false, 5},  // dots while x + 0.5 < 4
      {1.25, 4, "abcd", true, 3},   // dots while x + 0.5 < 3
      {2.5, 5, "abcd", false, 2},   // the third would end exactly at the limit
      {4.5, 5, "abcd", false, 0},   // no room left: the text still goes to the column
      {7, 4, "abcd", true, 0},      // already past the column
      {1.25, 5, "", true, 5},
  };
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setX(c.startX);
    dotLeader(surface, 21, c.text,
              c.rightAligned ? LeaderEnd::TextEndsAtColumn : LeaderEnd::TextAtColumn);
    const std::vector<Drawn> texts = surface.texts();
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(c.dots) + 1) << c.startX;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
      EXPECT_EQ(texts[i].Text, " .");
      EXPECT_NEAR(texts[i].X, c.startX + 0.5 * static_cast<double>(i), kNear);
    }
    EXPECT_EQ(texts.back().Text, c.text);
    EXPECT_NEAR(texts.back().X, c.textX, kNear) << c.startX;
  }
}

TEST(PrintLeaders, LabelDotsAndValueThreeColumnsRightOfTheValueColumn) {
  FakePrintSurface surface;
  printLabelValue(surface, 3, 31, "Length", 12.5, "#0.000");
  EXPECT_NEAR(surface.text("Length").X, 0.5, kNear);
  EXPECT_EQ(surface.pagesOf(" .").size(), 8U);  // from x = 2 while x + 0.5 < 6.5
  EXPECT_NEAR(surface.text("12.500").X + 2 * 0.25, tabX(surface, 34), kNear);
}

TEST(PrintRules, ARuleLiesAThirdOfALineDownAndTheNextLineAnotherThirdOn) {
  const struct {
    double margin, x1, x2;  // as drawn, margin included; x2 = 20 - margin: the whole width
  } cases[] = {{0, 0, 20}, {2, 2, 18}, {0, 0, 12}, {0, 3, 9}};
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setLeftMargin(c.margin);
    surface.moveTo(7, 1);
    c.x2 == 20 - c.margin
        ? horizontalRule(surface)
        : (c.x1 == 0 ? horizontalRule(surface, c.x2) : horizontalRule(surface, c.x2, c.x1));
    ASSERT_EQ(surface.lines().size(), 1U);
    EXPECT_TRUE(levelLine(surface.lines().front(), c.x1, c.x2, 1 + 0.5 / 3));
    EXPECT_TRUE(isAt(surface, 0, 1 + 1.0 / 3));
  }
}

TEST(PrintTitles, ATitleIsBoldLargerAndCentredOnItsWidth) {
  // "Title" in 12 points is 1.5 cm wide and 0.6 cm high; a width below 0 takes the default.
  const struct {
    double margin, width, increase, x, size;
  } cases[] = {{0, 20, 2, 9.25, 12},
               {0, 10, 2, 4.25, 12},
               {0, 10, 4, 4.125, 14},
               {0, 10, 0, 0, 10},
               {2, -1, 2, 2 + (16 - 1.5) / 2, 12}};
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setLeftMargin(c.margin);
    surface.moveTo(3, 2);
    c.width < 0 ? printSectionTitle(surface, "Title")
                : printSectionTitle(surface, "Title", c.width, c.increase);
    const Drawn title = surface.text("Title");
    EXPECT_TRUE(drawnAt(title, c.x, 2)) << c.width << " " << c.increase;
    EXPECT_TRUE(title.Font.Bold);
    EXPECT_NEAR(title.Font.Size, c.size, kNear);
    EXPECT_TRUE(isAt(surface, 0, 2 + 0.05 * c.size));
    EXPECT_EQ(surface.font(), PrintFont{});
  }
}

TEST(PrintTitles, AnUnderlinedHeadingHasTwoRulesUnderItsText) {
  FakePrintSurface surface;
  surface.setY(4);
  printUnderlinedHeading(surface, "Forward compartment :", 21);
  EXPECT_TRUE(drawnAt(surface.text("Forward compartment :"), 5, 4));
  const std::vector<Drawn> rules = surface.lines();
  ASSERT_EQ(rules.size(), 2U);
  EXPECT_TRUE(levelLine(rules[0], 5, 5 + 21 * 0.25, 4.5));
  EXPECT_TRUE(levelLine(rules[1], 5, 5 + 21 * 0.25, 4 + 0.5 * 7 / 6));
  EXPECT_TRUE(isAt(surface, 0, 4.75));
}

}  // namespace
}  // namespace korain::testing
