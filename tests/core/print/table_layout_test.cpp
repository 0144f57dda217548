// Table columns laid out on measured cells, in the fake's default 10-point font: a
// character, a blank and a tab column are 0.25 cm wide; tab column n lies at
// x = (n - 1) / 4.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/table_layout.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"

namespace korain::testing {
namespace {

constexpr double kChar = 0.25;

// Where the anchors of a two-column table at tabs 1 and 9 (x = 0 and 2) end
// up: only as far right as keeps the cells of a line one blank apart.
TEST(TableLayout, AColumnMovesOnlyAsFarAsItsLeftNeighbourWidestCellNeeds) {
  // A first cell of `first`, then `second` aligned as `align`.
  const auto line = [](std::string first, CellAlign align, std::string second) {
    return TableLine{cell(0, CellAlign::Left, std::move(first)), cell(1, align, std::move(second))};
  };
  const std::string nine = "abcdefghi";
  const struct {
    const char* what;
    TableLine line;
    double secondAnchor;
  } cases[] = {
      {"cells with room stay on their tabs", line("abc", CellAlign::Left, "x"), 2},
      {"9 characters and a blank end at 2.5", line(nine, CellAlign::Left, "x"), 2.5},
      {"right-aligned: its width more", line(nine, CellAlign::Right, "xyz"), 2.5 + 3 * kChar},
      {"a centred one half of it", line(nine, CellAlign::Centre, "xyzw"), 2.5 + 2 * kChar},
      {"number: the part before its point", line(nine, CellAlign::Decimal, "-123.50"), 3.5},
      {"number without a point: at the anchor", line(nine, CellAlign::Decimal, "12"), 3},
  };
  for (const auto& c : cases) {
    FakePrintSurface surface;
    const TableLayout layout(surface, {1, 9}, {c.line});
    EXPECT_NEAR(layout.anchor(0), 0, kNear) << c.what;
    EXPECT_NEAR(layout.anchor(1), c.secondAnchor, kNear) << c.what;
    EXPECT_NEAR(layout.shift(1), c.secondAnchor - 2, kNear) << c.what;
  }
}

// Cells of different lines never meet, so they move nothing; a move carries
// every column to the right along, keeping their order and spacing.
TEST(TableLayout, OnlyCellsOfOneLinePushAndAMoveCarriesTheColumnsToTheRight) {
  FakePrintSurface surface;
  const TableLayout apart(
      surface, {1, 9, 17},
      {{cell(0, CellAlign::Left, "a long note of its own")}, {cell(1, CellAlign::Left, "x")}});
  EXPECT_NEAR(apart.anchor(1), 2, kNear);
  const TableLayout pushed(
      surface, {1, 9, 17},
      {{cell(0, CellAlign::Left, "abcdefghijkl"), cell(1, CellAlign::Left, "x")},
       {cell(2, CellAlign::Left, "y")}});
  EXPECT_NEAR(pushed.anchor(1), 3.25, kNear);
  EXPECT_NEAR(pushed.anchor(2), 5.25, kNear);
}

// Heads stand centred over the values of their column, or over the values of
// all the columns they span; none starts left of the margin.
TEST(TableLayout, HeadsAreCentredOverTheirValuesAndKeepInsideTheMargin) {
  FakePrintSurface surface;
  const std::vector<TableLine> lines{
      {cell(0, CellAlign::Head, "Node"), cell(1, CellAlign::Head, "y"),
       spanCell(1, 2, CellAlign::Head, "Tangent")},
      {cell(0, CellAlign::Right, "12"), cell(1, CellAlign::Decimal, "-10.250"),
       cell(2, CellAlign::Decimal, "1.5")}};
  const TableLayout layout(surface, {2, 17, 25}, lines);
  // "12" ending at x = 0.25, with "Node" centred over it, would begin left of
  // 0: every column moves by 0.5, so that "Node" begins at 0.
  EXPECT_NEAR(layout.anchor(0), 0.75, kNear);
  EXPECT_NEAR(layout.anchor(1), 4.5, kNear);
  FakePrintSurface printed;
  for (const TableLine& line : lines) {
    layout.print(printed, line);
    printed.newLine();
  }
  const auto centre = [&](std::string_view text) {
    const Drawn d = printed.text(text);
    return d.X + kChar * static_cast<double>(text.size()) / 2;
  };
  EXPECT_NEAR(centre("Node"), centre("12"), kNear);
  EXPECT_NEAR(centre("y"), centre("-10.250"), kNear);
  // Over both columns: from the left of "-10.250" to the right of "1.5".
  EXPECT_NEAR(centre("Tangent"),
              (printed.text("-10.250").X + printed.text("1.5").X + 3 * kChar) / 2, kNear);
  EXPECT_NEAR(printed.text("Node").X, 0, kNear);
  // The rules reach the rightmost cell when it lies past the last anchor.
  EXPECT_NEAR(layout.ruleWidth(), layout.anchor(2) + 2 * kChar, kNear);
}

}  // namespace
}  // namespace korain::testing
