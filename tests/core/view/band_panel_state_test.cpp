// What the strake bands panel shows: the rows of bands and strakes, and no
// strake tools where a band or strake is missing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/band_panel_state.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(BandPanelState, ShowsTheRowsAndTheCurrentStrakeOrNothingToEdit) {
  Bulkhead b;  // band 1 at z 6 with one strake, numbered 2 as the bulkhead counts; band 2 at z 9
  StrakeBand& first = b.StrakeBands.append();
  first.Z = 6;
  Strake& strake = first.Strakes.append();
  strake.Y = 3;
  strake.Th = 14.5F;
  strake.iMat = 1;
  strake.StrakeNumber = 2;
  first.CurStrake = 1;
  b.StrakeBands.append().Z = 9;
  b.CurBand = 1;
  EXPECT_EQ(bandPanelState(&b),
            (BandPanelState{true, {"1 - 6.000", "2 - 9.000"}, 0, {"2 - 3.000 14.5"}, 0, true}));
  b.CurBand = 2;
  EXPECT_FALSE(bandPanelState(&b).StrakeTools);
  b.CurBand = 0;
  EXPECT_EQ(bandPanelState(&b).BandRow, -1);
  EXPECT_EQ(bandPanelState(nullptr), BandPanelState{});
}

}  // namespace
}  // namespace korain
