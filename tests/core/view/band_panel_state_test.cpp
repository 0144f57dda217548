// What the strake bands panel shows: the rows of bands and strakes, the
// current strake's data, and nothing to edit where a band or strake is missing.
#include "view/band_panel_state.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(BandPanelState, ShowsTheRowsAndTheCurrentStrakeOrNothingToEdit) {
  Bulkhead b;  // band 1 at z 6 with strakes 1 and 2, band 2 at z 9 without
  StrakeBand& first = b.StrakeBands.append();
  first.Z = 6;
  for (const auto& [y, th, mat] : {std::tuple{1.5F, 12.0F, 2}, std::tuple{3.0F, 14.5F, 1}}) {
    Strake& strake = first.Strakes.append();
    strake.Y = y;
    strake.Th = th;
    strake.iMat = static_cast<Integer>(mat);
    strake.StrakeNumber = static_cast<Integer>(first.Strakes.count());
  }
  first.CurStrake = 2;
  b.StrakeBands.append().Z = 9;
  b.CurBand = 1;
  EXPECT_EQ(bandPanelState(&b),
            (BandPanelState{true, {"1 - 6.000", "2 - 9.000"}, 0, 6,
                            {"1 - 1.500 12.0", "2 - 3.000 14.5"}, 1, StrakeData{3, 14.5F, 1}}));
  b.CurBand = 2;
  EXPECT_EQ(bandPanelState(&b).Strake, std::nullopt);
  b.CurBand = 0;
  EXPECT_EQ(bandPanelState(&b).Z, std::nullopt);
  EXPECT_EQ(bandPanelState(nullptr), BandPanelState{});
}

}  // namespace
}  // namespace korain
