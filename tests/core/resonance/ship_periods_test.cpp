// The ship's pitch, roll and sway periods, with the rule defaults of GM and roll radius.
#include "resonance/ship_periods.h"

#include <gtest/gtest.h>

namespace korain::testing {
namespace {

constexpr float kTolerance = 1e-4F;

// The example bulk carrier: L 177 m, B 32 m, V 14 kn; GM 2.8 / 7.5 m, roll radius 12.2 / 11.5 m.
TEST(ComputeShipPeriods, FollowTheRuleFormulasForStoredLoadingData) {
  ShipData ship;
  ship.L = 177;
  ship.B = 32;
  ship.V = 14;
  ship.GM1 = 2.8F;
  ship.RollRadius1 = 12.2F;
  ship.GM2 = 7.5F;
  ship.RollRadius2 = 11.5F;
  const ShipPeriods periods = computeShipPeriods(ship);
  // sqrt(177) = 13.304135; F = 0.164 * 14 / 13.304135 = 0.172578;
  // Tsw = 0.8 * 13.304135 / (1.22 * 0.172578 + 1) = 10.643308 / 1.210545 = 8.792161.
  EXPECT_NEAR(periods.SwayPeriod, 8.792161F, kTolerance);
  // Tp = 0.575 * 13.304135 = 7.649877, in both conditions.
  EXPECT_NEAR(periods.PitchPeriod.at(1), 7.649877F, kTolerance);
  EXPECT_EQ(periods.PitchPeriod.at(2), periods.PitchPeriod.at(1));
  // Tr1 = 2.2 * 12.2 / sqrt(2.8) = 26.84 / 1.673320 = 16.039968;
  // Tr2 = 2.2 * 11.5 / sqrt(7.5) = 25.3 / 2.738613 = 9.238254.
  EXPECT_NEAR(periods.RollPeriod.at(1), 16.039968F, kTolerance);
  EXPECT_NEAR(periods.RollPeriod.at(2), 9.238254F, kTolerance);
  EXPECT_FALSE(periods.RollUndefined.at(1) || periods.RollUndefined.at(2));
}

// B = 20 m, nothing stored: GM 0.07 B = 1.4 and radius 0.35 B = 7 in general, GM 0.12 B = 2.4
// for types 6 and 7, GM 0.16 B = 3.2 and radius 0.30 B = 6 for type 20.
TEST(ComputeShipPeriods, TakeTheDefaultsOfTheShipTypeForValuesNotGiven) {
  struct Row {
    Integer type;
    float roll;
  };
  for (const Row& row :
       {Row{1, 13.015376F},                        // 2.2 * 7 / sqrt(1.4) = 15.4 / 1.183216
        Row{6, 9.940657F},                         // 2.2 * 7 / sqrt(2.4) = 15.4 / 1.549193
        Row{7, 9.940657F}, Row{20, 7.379024F}}) {  // 2.2 * 6 / sqrt(3.2) = 13.2 / 1.788854
    ShipData ship;
    ship.ShipType = row.type;
    ship.L = 150;
    ship.B = 20;
    ship.GM1 = 0.0005F;  // below 0.001 either way counts as not given
    ship.RollRadius1 = -0.0005F;
    EXPECT_NEAR(computeShipPeriods(ship).RollPeriod.at(1), row.roll, kTolerance) << row.type;
    EXPECT_NEAR(computeShipPeriods(ship).RollPeriod.at(2), row.roll, kTolerance) << row.type;
  }
}

TEST(ComputeShipPeriods, LeaveUndefinedPeriodsAtZero) {
  ShipData ship;
  ship.L = 150;
  ship.B = 20;
  ship.GM1 = -0.5F;  // the ship lolls over in condition 1
  const ShipPeriods lolling = computeShipPeriods(ship);
  EXPECT_TRUE(lolling.RollUndefined.at(1));
  EXPECT_EQ(lolling.RollPeriod.at(1), 0.0F);
  EXPECT_FALSE(lolling.RollUndefined.at(2));
  EXPECT_NEAR(lolling.RollPeriod.at(2), 13.015376F, kTolerance);
  // No dimensions at all: nothing to divide by, no infinite or undefined period.
  const ShipPeriods empty = computeShipPeriods(ShipData{});
  EXPECT_EQ(empty.SwayPeriod, 0.0F);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(empty.PitchPeriod.at(i), 0.0F);
    EXPECT_EQ(empty.RollPeriod.at(i), 0.0F);
    EXPECT_TRUE(empty.RollUndefined.at(i));
  }
}

}  // namespace
}  // namespace korain::testing
