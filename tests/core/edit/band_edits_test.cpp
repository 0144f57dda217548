// The strake bands panel's edits: bands and strakes inserted halfway before
// the current one, and the plating never left without a band.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/band_edits.h"

#include <gtest/gtest.h>

#include <vector>

#include "io/zel_format.h"

namespace korain {
namespace {

Strake strake(Single y, Single th, Integer material) {
  Strake s;
  s.Y = y;
  s.Th = th;
  s.iMat = material;
  return s;
}

// Bands at the z given, each with strakes at y 4, 8 and 12 of thickness 10,
// 11, 12 and materials 1, 2, 3; the plane part starts at z 1 and y 2.
Bulkhead platedBulkhead(const std::vector<Single>& bandZ) {
  Bulkhead b;
  b.ZLow = 1;
  b.YMin = 2;
  for (const Single z : bandZ) {
    StrakeBand& band = b.StrakeBands.append();
    band.Z = z;
    for (int k = 1; k <= 3; ++k) {
      const auto step = static_cast<Single>(k);
      band.Strakes.append(strake(4.0F * step, 9.0F + step, static_cast<Integer>(k)));
    }
  }
  return b;
}

std::vector<Single> bandZ(const Bulkhead& b) {
  std::vector<Single> z;
  for (const StrakeBand& band : b.StrakeBands) z.push_back(band.Z);
  return z;
}

TEST(InsertBand, HalfwayBelowTheCurrentBandWithACopyOfItsStrakes) {
  struct Case {
    Integer current;
    std::vector<Single> z;
  };
  for (const Case& c : {Case{1, {3, 5, 9}}, Case{2, {5, 7, 9}}}) {
    Bulkhead b = platedBulkhead({5, 9});
    b.StrakeBands.at(2).Strakes.at(1).Th = 20;
    b.CurBand = c.current;
    ASSERT_TRUE(insertBand(b));
    EXPECT_EQ(bandZ(b), c.z);
    EXPECT_EQ(b.CurBand, c.current);
    EXPECT_EQ(b.StrakeBands.at(c.current).Strakes, b.StrakeBands.at(c.current + 1).Strakes);
  }
  Bulkhead none = platedBulkhead({5});
  EXPECT_FALSE(insertBand(none));  // no current band
  EXPECT_EQ(bandZ(none), std::vector<Single>{5});
}

TEST(InsertStrake, HalfwayBeforeTheCurrentStrakeWithItsThicknessAndMaterial) {
  struct Case {
    Integer current;
    Strake added;
  };
  for (const Case& c : {Case{3, strake(10, 12, 3)}, Case{1, strake(3, 10, 1)}}) {
    Bulkhead b = platedBulkhead({5, 9});
    b.CurBand = 2;
    b.StrakeBands.at(2).CurStrake = c.current;
    ASSERT_TRUE(insertStrake(b));
    const StrakeBand& band = b.StrakeBands.at(2);
    EXPECT_EQ(band.Strakes.count(), 4);
    EXPECT_EQ(band.Strakes.at(c.current), c.added);
    EXPECT_EQ(b.StrakeBands.at(1).Strakes.count(), 3);
  }
}

TEST(RemoveBandsAndStrakes, TheLastBandStaysAndAnIndexBeyondTheListBecomesZero) {
  Bulkhead b = platedBulkhead({5, 9});
  b.CurBand = 2;
  EXPECT_TRUE(canRemoveBand(b));
  ASSERT_EQ(removeBand(b), EditOutcome{});
  EXPECT_EQ(bandZ(b), std::vector<Single>{5});
  EXPECT_EQ(b.CurBand, 0);
  b.CurBand = 1;
  EXPECT_FALSE(canRemoveBand(b));

  b.StrakeBands.at(1).CurStrake = 3;
  ASSERT_EQ(removeStrake(b), EditOutcome{});
  EXPECT_EQ(b.StrakeBands.at(1).Strakes.count(), 2);
  EXPECT_EQ(b.StrakeBands.at(1).CurStrake, 0);
}

// More than a block can be read back with would be saved and then lost at the next opening.
TEST(InsertBandsAndStrakes, StopAtTheLengthABlockIsReadBackWith) {
  Bulkhead b = platedBulkhead({5});
  b.CurBand = 1;
  b.StrakeBands.at(1).CurStrake = 1;
  for (int tries = 0; tries <= kMaxIndexedListLength && insertStrake(b); ++tries) {
    b.StrakeBands.at(1).CurStrake = 1;
  }
  EXPECT_EQ(b.StrakeBands.at(1).Strakes.count(), kMaxIndexedListLength);
  for (int tries = 0; tries <= kMaxIndexedListLength && insertBand(b); ++tries) b.CurBand = 1;
  EXPECT_EQ(b.StrakeBands.count(), kMaxIndexedListLength);
}

}  // namespace
}  // namespace korain
