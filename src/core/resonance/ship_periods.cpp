// Computing the ship's pitch, roll and sway periods from the rule formulas.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ship_periods.h"

#include <cmath>

namespace korain {
namespace {

// Below this, a stored GM or roll radius counts as not given.
constexpr double kNotGiven = 0.001;

bool given(Single value) { return std::abs(value) >= kNotGiven; }

double metacentricHeight(Single stored, const ShipData& ship) {
  if (given(stored)) return stored;
  if (ship.ShipType == 20) return 0.16 * ship.B;
  if (ship.ShipType == 6 || ship.ShipType == 7) return 0.12 * ship.B;
  return 0.07 * ship.B;
}

double rollRadius(Single stored, const ShipData& ship) {
  if (given(stored)) return stored;
  return ship.ShipType == 20 ? 0.30 * ship.B : 0.35 * ship.B;
}

// A ship without a positive GM has no righting moment at the upright: it
// lolls over to one side instead of rolling, so it has no roll period.
void setRollPeriod(ShipPeriods& periods, int condition, Single storedGM, Single storedRadius,
                   const ShipData& ship) {
  const double gm = metacentricHeight(storedGM, ship);
  const double radius = rollRadius(storedRadius, ship);
  periods.RollUndefined.at(condition) = !(gm > 0);
  periods.RollPeriod.at(condition) = gm > 0 ? static_cast<Single>(2.2 * radius / std::sqrt(gm)) : 0;
}

}  // namespace

ShipPeriods computeShipPeriods(const ShipData& ship) {
  ShipPeriods periods;
  // Without a length there is no pitch or sway to speak of; the periods stay 0
  // and judge nothing, rather than becoming infinite or undefined.
  if (ship.L > 0) {
    const double rootL = std::sqrt(static_cast<double>(ship.L));
    const double froude = 0.164 * ship.V / rootL;
    periods.SwayPeriod = static_cast<Single>(0.8 * rootL / (1.22 * froude + 1));
    periods.PitchPeriod.at(1) = static_cast<Single>(0.575 * rootL);
    periods.PitchPeriod.at(2) = periods.PitchPeriod.at(1);
  }
  setRollPeriod(periods, 1, ship.GM1, ship.RollRadius1, ship);
  setRollPeriod(periods, 2, ship.GM2, ship.RollRadius2, ship);
  return periods;
}

}  // namespace korain
