// Text on tab columns, in the fake's 10-point font: a character and a tab
// column are 0.25 cm wide, a line 0.5 cm high; column 21 lies at x = 5.
#include "print/print_text.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"

namespace korain::testing {
namespace {

TEST(PrintTabs, ColumnsAreAverageCharactersFromColumnOne) {
  FakePrintSurface surface;
  const struct {
    int column;
    double x;
  } cases[] = {{1, 0}, {0, 0}, {-3, 0}, {2, 0.25}, {11, 2.5}, {101, 25}};
  for (const auto& c : cases) EXPECT_NEAR(tabX(surface, c.column), c.x, kNear) << c.column;
  surface.setFont({.Size = 12});
  EXPECT_NEAR(tabX(surface, 11), 3, kNear);
}

TEST(PrintTabs, AdvanceYMovesByAFractionOfALine) {
  const struct {
    double k;
    double dy;
  } cases[] = {{2, 0.25}, {3, 0.5 / 3}, {1, 0.5}, {-2, -0.25}};
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setY(10);
    advanceY(surface, c.k);
    EXPECT_NEAR(surface.y(), 10 + c.dy, kNear) << c.k;
  }
  FakePrintSurface surface;
  advanceY(surface);
  EXPECT_NEAR(surface.y(), 0.25, kNear);
}

TEST(PrintColumns, TextStartsAtIsCentredOnOrEndsAtTheColumn) {
  FakePrintSurface surface;
  surface.setY(2);
  printAt(surface, 21, "left");
  EXPECT_NEAR(surface.x(), 6, kNear);
  printCentred(surface, 21, "mid!");
  printRight(surface, 21, "righ");
  EXPECT_NEAR(surface.text("left").X, 5, kNear);
  EXPECT_NEAR(surface.text("mid!").X, 4.5, kNear);
  EXPECT_NEAR(surface.text("righ").X, 4, kNear);
  EXPECT_NEAR(surface.text("righ").Y, 2, kNear);
  EXPECT_NEAR(surface.x(), 5, kNear);
}

TEST(PrintColumns, ItalicTextAndNumbersReturnToTheUprightFont) {
  FakePrintSurface surface;
  printAt(surface, 1, "slanted", true);
  printNumber(surface, 21, 2.75, "#0.00", true);
  printAt(surface, 30, "upright");
  EXPECT_TRUE(surface.text("slanted").Font.Italic);
  EXPECT_TRUE(surface.text("2.75").Font.Italic);
  EXPECT_FALSE(surface.text("upright").Font.Italic);
  EXPECT_FALSE(surface.font().Italic);
}

TEST(PrintNumbers, ThePointStandsOnTheColumnAndNumbersWithoutOneEndThere) {
  const struct {
    double value;
    std::string_view format;
    std::string text;
    double x;
  } cases[] = {
      {12.5, "#0.00", "12.50", 4.5}, {12.5, kDefaultNumberFormat, "12.500", 4.5},
      {1234.5, "#0.0", "1234.5", 4}, {-0.25, "#0.00", "-0.25", 4.5},
      {0.5, "#.00", ".50", 5},       {7, "#0", "7", 4.75},
      {12.5, "#0", "13", 4.5},       {3, "#0 m", "3 m", 4.25},
  };
  for (const auto& c : cases) {
    FakePrintSurface surface;
    printNumber(surface, 21, c.value, c.format);
    const Drawn number = surface.text(c.text);
    EXPECT_NEAR(number.X, c.x, kNear) << c.text;
  }
}

TEST(PrintNumbers, ColumnOfNumbersAlignsOnThePoint) {
  FakePrintSurface surface;
  for (const double value : {1.5, 123.25, -40.125}) {
    printNumber(surface, 21, value, "#0.000");
    surface.newLine();
  }
  for (const Drawn& d : surface.texts()) {
    const double pointX = d.X + static_cast<double>(d.Text.find('.')) * 0.25;
    EXPECT_NEAR(pointX, 5, kNear) << d.Text;
  }
}

TEST(PrintLeaders, DotsStopMoreThanTwoDotsBeforeTheText) {
  // A dot (" .") is 0.5 cm wide; the text goes to column 21 (x = 5).
  const struct {
    double startX;
    std::string_view text;
    bool rightAligned;
    int dots;
    double textX;
  } cases[] = {
      {1.25, "abcd", false, 5, 5},  // dots while x + 0.5 < 4
      {1.25, "abcd", true, 3, 4},   // dots while x + 0.5 < 3
      {2.5, "abcd", false, 2, 5},   // the third would end exactly at the limit
      {4.5, "abcd", false, 0, 5},   // no room left: the text still goes to the column
      {7, "abcd", true, 0, 4},      // already past the column
      {1.25, "", true, 5, 5},
  };
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setX(c.startX);
    dotLeader(surface, 21, c.text, c.rightAligned);
    const std::vector<Drawn> texts = surface.texts();
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(c.dots) + 1) << c.startX;
    for (int i = 0; i < c.dots; ++i) {
      EXPECT_EQ(texts[static_cast<std::size_t>(i)].Text, " .");
      EXPECT_NEAR(texts[static_cast<std::size_t>(i)].X, c.startX + 0.5 * i, kNear);
    }
    EXPECT_EQ(texts.back().Text, c.text);
    EXPECT_NEAR(texts.back().X, c.textX, kNear) << c.startX;
  }
}

TEST(PrintLeaders, LabelDotsAndValueThreeColumnsRightOfTheValueColumn) {
  FakePrintSurface surface;
  printLabelValue(surface, 3, 31, "Length", 12.5, "#0.000");
  EXPECT_NEAR(surface.text("Length").X, 0.5, kNear);
  int dots = 0;
  for (const Drawn& d : surface.texts()) dots += d.Text == " ." ? 1 : 0;
  EXPECT_EQ(dots, 8);  // from x = 2 while x + 0.5 < 6.5
  EXPECT_NEAR(surface.text("12.500").X + 2 * 0.25, tabX(surface, 34), kNear);
}

}  // namespace
}  // namespace korain::testing
