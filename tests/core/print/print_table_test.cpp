// Table heads, and a table that runs onto new pages with its head repeated
// (fake metrics: 10 points, characters 0.25 cm, lines 0.5 cm, text down to 26.5 cm).
#include "print/print_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fake_print_surface.h"
#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"

namespace korain::testing {
namespace {

const std::vector<HeadLine> kHead = {{{5, "Filling"}, {21, "Free"}}, {{5, "(m)"}, {21, "surface"}}};

TEST(PrintTables, TheHeadIsCentredBetweenTwoRules) {
  FakePrintSurface surface;
  printTableHead(surface, kHead, tabX(surface, 31));
  const std::vector<Drawn> rules = surface.lines();
  ASSERT_EQ(rules.size(), 2U);
  for (const Drawn& rule : rules) EXPECT_NEAR(rule.X2, 7.5, kNear);
  EXPECT_NEAR(rules[0].Y, 0.5 / 3, kNear);
  EXPECT_NEAR(surface.text("Filling").X, 1 - 7 * 0.25 / 2, kNear);
  EXPECT_NEAR(surface.text("Filling").Y, 1.0 / 3, kNear);
  EXPECT_NEAR(surface.text("surface").X, 5 - 7 * 0.25 / 2, kNear);
  EXPECT_NEAR(surface.text("surface").Y, 1.0 / 3 + 0.5, kNear);
  EXPECT_NEAR(rules[1].Y, 1.0 / 3 + 1 + 0.5 / 3, kNear);
  EXPECT_NEAR(surface.y(), 1.0 / 3 + 1 + 1.0 / 3, kNear);
}

TEST(PrintTables, ARowThatFitsPrintsNoHead) {
  FakePrintSurface surface;
  PageSetup setup;
  int heads = 0;
  EXPECT_FALSE(ensureRowSpace(surface, setup, 2, [&] { ++heads; }));
  EXPECT_EQ(heads, 0);
}

TEST(PrintTables, ALongTableRepeatsItsTitleAndHeadOnEveryNewPage) {
  FakePrintSurface surface;
  PageSetup setup;
  setup.FontSize = 10;  // 100 rows of 2 lines make exactly three pages at this size
  setup.HeaderLines = {"File : hull.ko2"};
  prepareSurface(surface, setup);
  const auto printHead = [&] {
    printSectionTitle(surface, "Levels");
    printTableHead(surface, kHead, tabX(surface, 31));
  };
  printHead();
  constexpr int kRows = 100;
  for (int row = 1; row <= kRows; ++row) {
    ensureRowSpace(surface, setup, 2, printHead);
    printNumber(surface, 5, row, "#0.000");
    surface.newLine();
  }

  EXPECT_EQ(surface.pageNumber(), 3);
  int rows = 0;
  for (int page = 1; page <= 3; ++page) {
    double titleY = -1;
    double lastHeadY = -1;
    double firstRowY = 100;
    for (const Drawn& d : surface.texts()) {
      if (d.Page != page) continue;
      if (d.Text == "Levels") titleY = d.Y;
      if (d.Text == "(m)") lastHeadY = d.Y;
      if (d.Text.find('.') != std::string::npos && d.Text.find(':') == std::string::npos) {
        ++rows;
        firstRowY = std::min(firstRowY, d.Y);
        EXPECT_LT(d.Y + 0.5, 26.5) << d.Text;
      }
    }
    EXPECT_GE(titleY, 0) << "page " << page;
    EXPECT_GT(firstRowY, lastHeadY) << "page " << page;
  }
  EXPECT_EQ(rows, kRows);
  std::vector<int> headerPages;
  for (const Drawn& d : surface.texts()) {
    if (d.Text == "File : hull.ko2") headerPages.push_back(d.Page);
  }
  EXPECT_EQ(headerPages, (std::vector<int>{2, 3}));
}

}  // namespace
}  // namespace korain::testing
