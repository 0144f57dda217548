// The ship's pitch, roll and sway periods, with the rule defaults of GM and roll radius, and the
// liquid's natural periods and risks level by level, against hand computations.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "bulk_carrier_ship.h"
#include "resonance/compartment_codes.h"
#include "resonance/ship_periods.h"
#include "resonance/sloshing_periods.h"

namespace korain::testing {
namespace {

constexpr float kTolerance = 1e-4F;

ShipData ship(Integer type, Single length, Single breadth, Single speed = 0) {
  ShipData data;
  data.ShipType = type;
  data.L = length;
  data.B = breadth;
  data.V = speed;
  return data;
}

TEST(ComputeShipPeriods, TakeTheDefaultsOfTheShipTypeForValuesNotGiven) {
  // B = 20. In general GM 0.07 B = 1.4, radius 0.35 B = 7: Tr = 2.2 * 7 / sqrt(1.4) = 15.4 /
  // 1.183216; types 6 and 7: GM 0.12 B = 2.4, Tr = 15.4 / 1.549193; type 20: GM 0.16 B = 3.2,
  // radius 0.30 B = 6, Tr = 13.2 / 1.788854.
  const std::pair<Integer, float> cases[] = {
      {1, 13.015376F}, {6, 9.940657F}, {7, 9.940657F}, {20, 7.379024F}};
  for (const auto& [type, roll] : cases) {
    ShipData data = ship(type, 150, 20);
    data.GM1 = 0.0005F;  // below 0.001 either way counts as not given
    data.RollRadius1 = -0.0005F;
    const ShipPeriods periods = computeShipPeriods(data);
    EXPECT_NEAR(periods.RollPeriod.at(1), roll, kTolerance) << type;
    EXPECT_NEAR(periods.RollPeriod.at(2), roll, kTolerance) << type;
  }
}

TEST(ComputeShipPeriods, LeaveUndefinedPeriodsAtZero) {
  ShipData lolling = ship(0, 150, 20);
  lolling.GM1 = -0.5F;  // condition 1 lolls over; condition 2 takes the defaults
  const ShipPeriods periods = computeShipPeriods(lolling);
  EXPECT_TRUE(periods.RollUndefined.at(1));
  EXPECT_EQ(periods.RollPeriod.at(1), 0.0F);
  EXPECT_FALSE(periods.RollUndefined.at(2));
  EXPECT_NEAR(periods.RollPeriod.at(2), 13.015376F, kTolerance);
  // No dimensions: nothing to divide by, no infinite or undefined period.
  ShipPeriods none;  // all periods 0
  none.RollUndefined.at(1) = none.RollUndefined.at(2) = true;
  EXPECT_EQ(computeShipPeriods(ShipData{}), none);
}

// T = sqrt(4 pi s / (g tanh(pi h / s))) with 4 pi = 12.566372, pi = 3.141593, g = 9.81, for the
// span s (free-surface length l or breadth b); below, "tanh a -> T" gives tanh(pi h / s) = a.
struct Expected {
  float tx, ty;
  bool pitch, roll, sway;
};

Compartment tank(Long destination, std::initializer_list<FillingPoint> levels) {
  Compartment compartment;
  compartment.B = destination;
  for (const FillingPoint& level : levels) compartment.Points.append(level);
  return compartment;
}

void expectLevels(const List<LevelResonance>& levels, std::initializer_list<Expected> expected) {
  ASSERT_EQ(levels.count(), static_cast<int>(expected.size()));
  int k = 0;
  for (const Expected& e : expected) {
    const LevelResonance& level = levels.at(++k);
    SCOPED_TRACE(::testing::Message() << "level " << k);
    EXPECT_NEAR(level.Tx, e.tx, kTolerance);
    EXPECT_NEAR(level.Ty, e.ty, kTolerance);
    EXPECT_EQ(std::tuple(level.PitchRisk, level.RollRisk, level.SwayRisk),
              std::tuple(e.pitch, e.roll, e.sway));
  }
}

List<LevelResonance> sloshing(const Compartment& compartment, const ShipData& data) {
  return computeSloshingPeriods(compartment, computeShipPeriods(data));
}

// l 27.5, b 28 on the bulk carrier: Tp = 7.649877, Tsw = 8.792161, Tr1 = 16.039968, Tr2 = 9.238254
// (korain-cli's resonance run of the example compares them with its reviewed output):
// sqrt(177) = 13.304135, F = 0.164 * 14 / 13.304135 = 0.172578, Tsw = 0.8 * 13.304135 / (1.22 F +
// 1) = 10.643308 / 1.210545, Tp = 0.575 * 13.304135; Tr = 2.2 radius / sqrt(GM): 26.84 / 1.673320
// and 25.3 / 2.738613.
const Compartment kBallastHold = tank(kWaterBallastDestination, {{4, 27.5F, 28}, {12, 27.5F, 28}});

TEST(ComputeSloshingPeriods, BallastHoldIsJudgedInTheBallastCondition) {
  // h 4:  Tx tanh 0.427602 -> 9.076464, / Tp = 1.1865; Ty tanh 0.420911 -> 9.231115,
  //       / Tr2 = 0.9992 (in the band), / Tsw = 1.0499.
  // h 12: Tx tanh 0.878892 -> 6.330953, / Tp = 0.8276; Ty tanh 0.873200 -> 6.409034,
  //       / Tr2 = 0.6937 (below), / Tsw = 0.7289.
  // With a negative GM2 only the roll risk of h 4 goes.
  for (const Single gm2 : {7.5F, -1.0F}) {
    const List<LevelResonance> levels = sloshing(kBallastHold, bulkCarrier(gm2));
    expectLevels(levels, {{9.076464F, 9.231115F, true, gm2 > 0, true},
                          {6.330953F, 6.409034F, true, false, true}});
    EXPECT_EQ(levels.at(1).NoRollPeriod, gm2 < 0);
    EXPECT_EQ(levels.at(2).NoRollPeriod, gm2 < 0);
  }
  // As dry cargo hold (destination 4), in condition 1: Ty / Tr1 = 9.231115 / 16.039968 = 0.5755.
  Compartment cargo = kBallastHold;
  cargo.B = 4;
  EXPECT_FALSE(sloshing(cargo, bulkCarrier()).first().RollRisk);
  EXPECT_FALSE(sloshing(cargo, bulkCarrier(-1)).first().NoRollPeriod);
}

TEST(ComputeSloshingPeriods, ShipTypes20And6WithDefaultLoadingData) {
  // Type 20, L 200, B 40, V 15: sqrt(200) = 14.142136, F = 2.46 / 14.142136 = 0.173948,
  // Tsw = 11.313709 / 1.212217 = 9.333073; Tp = 8.131728; GM 0.16 B = 6.4, radius 0.30 B = 12:
  // Tr = 26.4 / 2.529822 = 10.435516. l 20, b 36:
  // h 6: Tx tanh 0.736359 -> 5.898489, / Tp = 0.7254; Ty tanh 0.480473 -> 9.796869, / Tr = 0.9388,
  //      / Tsw = 1.0497.
  // h 2: Tx tanh 0.304216 -> 9.176863, / Tp = 1.1285 but h/l = 0.1 exactly; Ty tanh 0.172782
  //      -> 16.337002, / Tr = 1.5655 (above the band), and h/b = 0.056 is shallow anyway.
  expectLevels(
      sloshing(tank(2, {{6, 20, 36}, {2, 20, 36}}), ship(20, 200, 40, 15)),
      {{5.898489F, 9.796869F, true, true, true}, {9.176863F, 16.337002F, false, false, false}});
  // Type 6, L 120, B 20, V 12: sqrt(120) = 10.954451, F = 1.968 / 10.954451 = 0.179653,
  // Tsw = 8.763561 / 1.219177 = 7.188098; Tp = 6.298809; GM 0.12 B = 2.4, radius 0.35 B = 7:
  // Tr = 15.4 / 1.549193 = 9.940657.
  // h 3 (l 15, b 18): Tx tanh 0.556893 -> 5.873948, / Tp = 0.9325; Ty tanh 0.480473 -> 6.927432,
  //      / Tr = 0.6969 (below), / Tsw = 0.9637.
  // h 1 (l = b = 10): Tx = Ty: tanh 0.304216 -> 6.489022; ratios 1.0302, 0.6528, 0.9027, but
  //      h/l = h/b = 0.1 exactly: no risk.
  expectLevels(
      sloshing(tank(3, {{3, 15, 18}, {1, 10, 10}}), ship(6, 120, 20, 12)),
      {{5.873948F, 6.927432F, true, false, true}, {6.489022F, 6.489022F, false, false, false}});
}

TEST(ComputeSloshingPeriods, NoSpanOrNoLiquidGivesNoPeriodAndNoRisk) {
  // h 8, l 27.5: Tx tanh 0.723007 -> 6.980161, / Tp = 0.9125.
  const List<LevelResonance> levels = sloshing(
      tank(kWaterBallastDestination, {{8, 27.5F, 0}, {8, 0, 0}, {0, 27.5F, 28}, {-2, 27.5F, 28}}),
      bulkCarrier());
  const Expected none{0, 0, false, false, false};
  expectLevels(levels, {{6.980161F, 0, true, false, false}, none, none, none});
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(levels.at(k).NoLiquid, k > 2) << "level " << k;
}

}  // namespace
}  // namespace korain::testing
