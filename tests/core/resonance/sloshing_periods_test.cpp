// The liquid's natural periods and risks, level by level, against hand computations, and the
// levels that cannot be judged.
#include "resonance/sloshing_periods.h"

#include <gtest/gtest.h>

#include "resonance/compartment_codes.h"
#include "resonance/ship_periods.h"

namespace korain::testing {
namespace {

// Every period below is T = sqrt(4 pi s / (g tanh(pi h / s))) with 4 pi = 12.566372,
// pi = 3.141593, g = 9.81, for the span s (free-surface length l or breadth b).
struct Expected {
  float tx;
  float ty;
  bool pitch;
  bool roll;
  bool sway;
};

Compartment tank(Long destination, std::initializer_list<FillingPoint> levels) {
  Compartment compartment;
  compartment.B = destination;
  for (const FillingPoint& level : levels) compartment.Points.append(level);
  return compartment;
}

void expectLevels(const List<LevelResonance>& levels, std::initializer_list<Expected> expected) {
  ASSERT_EQ(levels.count(), static_cast<int>(expected.size()));
  int k = 1;
  for (const Expected& e : expected) {
    const LevelResonance& level = levels.at(k++);
    EXPECT_NEAR(level.Tx, e.tx, 1e-4F) << "level " << k - 1;
    EXPECT_NEAR(level.Ty, e.ty, 1e-4F) << "level " << k - 1;
    EXPECT_EQ(level.PitchRisk, e.pitch) << "level " << k - 1;
    EXPECT_EQ(level.RollRisk, e.roll) << "level " << k - 1;
    EXPECT_EQ(level.SwayRisk, e.sway) << "level " << k - 1;
  }
}

// The example ship: Tp = 7.649877, Tsw = 8.792161, Tr1 = 16.039968, Tr2 = 9.238254.
ShipPeriods exampleShip(Single gm2 = 7.5F) {
  ShipData ship;
  ship.L = 177;
  ship.B = 32;
  ship.V = 14;
  ship.GM1 = 2.8F;
  ship.RollRadius1 = 12.2F;
  ship.GM2 = gm2;
  ship.RollRadius2 = 11.5F;
  return computeShipPeriods(ship);
}

const Compartment kBallastHold = tank(kWaterBallastDestination, {{4, 27.5F, 28}, {12, 27.5F, 28}});

TEST(ComputeSloshingPeriods, BallastHoldIsJudgedInTheBallastCondition) {
  // h 4: Tx: pi h/l = 0.456959, tanh 0.427602, 345.57523 / 4.194780 -> 9.076464, / Tp = 1.1865.
  //      Ty: pi h/b = 0.448799, tanh 0.420911, 351.85842 / 4.129140 -> 9.231115,
  //      / Tr2 = 0.9992 (in the band), / Tsw = 1.0499.
  // h 12: Tx: 1.370877, tanh 0.878892, 345.57523 / 8.621929 -> 6.330953, / Tp = 0.8276.
  //      Ty: 1.346397, tanh 0.873200, 351.85842 / 8.566094 -> 6.409034,
  //      / Tr2 = 0.6937 (below the band), / Tsw = 0.7289.
  expectLevels(
      computeSloshingPeriods(kBallastHold, exampleShip()),
      {{9.076464F, 9.231115F, true, true, true}, {6.330953F, 6.409034F, true, false, true}});
  // As dry cargo hold (destination 4) in condition 1: Ty / Tr1 = 9.231115 / 16.039968 = 0.5755.
  Compartment cargo = kBallastHold;
  cargo.B = 4;
  EXPECT_FALSE(computeSloshingPeriods(cargo, exampleShip()).first().RollRisk);
}

TEST(ComputeSloshingPeriods, ShipType20WithDefaultLoadingData) {
  ShipData ship;
  ship.ShipType = 20;
  ship.L = 200;
  ship.B = 40;
  ship.V = 15;
  // sqrt(200) = 14.142136, F = 2.46 / 14.142136 = 0.173948: Tsw = 11.313709 / 1.212217 = 9.333073;
  // Tp = 8.131728; GM 0.16 B = 6.4, radius 0.30 B = 12: Tr = 26.4 / 2.529822 = 10.435516.
  const Compartment deepTank = tank(2, {{6, 20, 36}, {2, 20, 36}});
  // h 6: Tx: 0.942478, tanh 0.736359, 251.32744 / 7.223678 -> 5.898489, / Tp = 0.7254.
  //      Ty: 0.523599, tanh 0.480473, 452.38939 / 4.713438 -> 9.796869, / Tr = 0.9388,
  //      / Tsw = 1.0497.
  // h 2: Tx: 0.314159, tanh 0.304216, 251.32744 / 2.984361 -> 9.176863, / Tp = 1.1285 but
  //      h/l = 0.1 exactly. Ty: 0.174533, tanh 0.172782, 452.38939 / 1.694992 -> 16.337002,
  //      / Tr = 1.5655 (above the band), and h/b = 0.056 is shallow anyway.
  expectLevels(
      computeSloshingPeriods(deepTank, computeShipPeriods(ship)),
      {{5.898489F, 9.796869F, true, true, true}, {9.176863F, 16.337002F, false, false, false}});
}

TEST(ComputeSloshingPeriods, ShipType6WithDefaultLoadingData) {
  ShipData ship;
  ship.ShipType = 6;
  ship.L = 120;
  ship.B = 20;
  ship.V = 12;
  // sqrt(120) = 10.954451, F = 1.968 / 10.954451 = 0.179653: Tsw = 8.763561 / 1.219177 = 7.188098;
  // Tp = 6.298809; GM 0.12 B = 2.4, radius 0.35 B = 7: Tr = 15.4 / 1.549193 = 9.940657.
  const Compartment wingTank = tank(3, {{3, 15, 18}, {1, 10, 10}});
  // h 3: Tx: 0.628319, tanh 0.556893, 188.49558 / 5.463124 -> 5.873948, / Tp = 0.9325.
  //      Ty: 0.523599, tanh 0.480473, 226.19470 / 4.713438 -> 6.927432, / Tr = 0.6969 (below),
  //      / Tsw = 0.9637.
  // h 1: Tx = Ty: 0.314159, tanh 0.304216, 125.66372 / 2.984361 -> 6.489022; ratios 1.0302,
  //      0.6528, 0.9027, but h/l = h/b = 0.1 exactly: no risk.
  expectLevels(
      computeSloshingPeriods(wingTank, computeShipPeriods(ship)),
      {{5.873948F, 6.927432F, true, false, true}, {6.489022F, 6.489022F, false, false, false}});
}

TEST(ComputeSloshingPeriods, NoFreeSurfaceSpanGivesNoPeriodAndNoRisk) {
  // h 8, l 27.5: pi h/l = 0.913918, tanh 0.723007, 345.57523 / 7.092703 -> 6.980161, / Tp 0.9125.
  const Compartment noBreadth = tank(kWaterBallastDestination, {{8, 27.5F, 0}, {8, 0, 0}});
  expectLevels(computeSloshingPeriods(noBreadth, exampleShip()),
               {{6.980161F, 0, true, false, false}, {0, 0, false, false, false}});
}

TEST(ComputeSloshingPeriods, LevelWithoutLiquidIsNotedAndNotJudged) {
  const Compartment empty = tank(kWaterBallastDestination, {{0, 27.5F, 28}, {-2, 27.5F, 28}});
  const List<LevelResonance> levels = computeSloshingPeriods(empty, exampleShip());
  expectLevels(levels, {{0, 0, false, false, false}, {0, 0, false, false, false}});
  EXPECT_TRUE(levels.at(1).NoLiquid && levels.at(2).NoLiquid);
  EXPECT_FALSE(computeSloshingPeriods(kBallastHold, exampleShip()).first().NoLiquid);
}

TEST(ComputeSloshingPeriods, NegativeGMLeavesRollUnjudgedOnly) {
  const List<LevelResonance> levels = computeSloshingPeriods(kBallastHold, exampleShip(-1));
  // The periods and the pitch and sway risks of the first test; the roll risk of h 4 is gone.
  expectLevels(levels, {{9.076464F, 9.231115F, true, false, true},
                        {6.330953F, 6.409034F, true, false, true}});
  EXPECT_TRUE(levels.at(1).NoRollPeriod && levels.at(2).NoRollPeriod);
  // Condition 1 keeps its roll period.
  Compartment cargo = kBallastHold;
  cargo.B = 4;
  EXPECT_FALSE(computeSloshingPeriods(cargo, exampleShip(-1)).first().NoRollPeriod);
}

}  // namespace
}  // namespace korain::testing
