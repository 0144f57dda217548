// The title block: typed lines win, blank ones fall back on the ship's titles;
// a cell for each of the drawing's makers given.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/title_block.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace korain::testing {
namespace {

TEST(TitleBlock, BlankTypedLinesFallBackOnTheShipTitles) {
  ShipData ship;
  ship.Titles.at(1) = "  Ocean Star  ";
  ship.Titles.at(2) = " Hull 1234   ";
  Arrangement arrangement;
  arrangement.X = 88;
  using Lines = std::array<std::string, 3>;
  struct Case {
    Lines typed;
    Lines expected;  // lines 3 to 5
  };
  const Case cases[] = {{{"Bulk carrier 82", "Aft bulkhead", "Drawing 7"},
                         {"Bulk carrier 82", "Aft bulkhead", "Drawing 7"}},
                        {{"   ", "", ""}, {"Ocean Star", "", "Hull 1234"}},
                        {{"", "Aft bulkhead", "  "}, {"Ocean Star", "Aft bulkhead", "Hull 1234"}}};
  for (const Case& c : cases) {
    TitleBlockInput input;
    input.TypedLines = c.typed;
    input.Date = "12/03/2024";
    input.LoginName = "jdoe";
    input.ComputerName = "yard-7";
    const TitleBlock block = fillTitleBlock(input, arrangement, ship);
    EXPECT_EQ((Lines{block.Lines[2], block.Lines[3], block.Lines[4]}), c.expected);
    EXPECT_EQ(block.Lines[1], "Date : 12/03/2024");
    EXPECT_EQ(block.Lines[5], "Section at X = 88 m");
    EXPECT_EQ(block.Lines[7], "jdoe yard-7");
    EXPECT_TRUE(block.Scale.empty());
  }
  arrangement.X = 101.5F;
  EXPECT_EQ(fillTitleBlock({}, arrangement, ship).Lines[5], "Section at X = 101.5 m");
}

TEST(TitleBlock, EachMakerGivenFillsItsOwnCellInAFixedOrder) {
  using Cells = std::vector<TitleBlockCell>;
  struct Case {
    TitleBlockMakers makers;
    Cells expected;
  };
  const Case cases[] = {{{}, {}},
                        {{.Company = "North Yard",
                          .Department = "Hull",
                          .Project = "NB 1234",
                          .DrawnBy = "J. Doe",
                          .CheckedBy = "P. Smith"},
                         {{"Company", "North Yard"},
                          {"Department", "Hull"},
                          {"Project", "NB 1234"},
                          {"Drawn by", "J. Doe"},
                          {"Checked by", "P. Smith"}}},
                        // A blank value leaves its cell out; one given is set without its margins.
                        {{.Company = "  ", .DrawnBy = " J. Doe "}, {{"Drawn by", "J. Doe"}}},
                        {{.Project = "NB 1234", .CheckedBy = "P. Smith"},
                         {{"Project", "NB 1234"}, {"Checked by", "P. Smith"}}}};
  for (const Case& c : cases) {
    TitleBlockInput input;
    input.Makers = c.makers;
    const TitleBlock block = fillTitleBlock(input, {}, {});
    EXPECT_EQ(block.Cells, c.expected);
    // The makers take cells of their own: the eight lines stay as they were.
    EXPECT_EQ(block.Lines, fillTitleBlock({}, {}, {}).Lines);
  }
}

}  // namespace
}  // namespace korain::testing
