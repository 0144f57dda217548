// Computing the liquid's natural period at each filling level, and its risks of resonance.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/sloshing_periods.h"

#include <cmath>

#include "resonance/compartment_codes.h"
#include "resonance/risk_band.h"

namespace korain {
namespace {

// The constants of the rule formula, in single precision as the rule gives them.
constexpr double kGravity = 9.81F;
constexpr double kPi = 3.141593F;
constexpr double kFourPi = 12.566372F;

// The ship periods one compartment is judged against.
struct ConditionPeriods {
  double pitch = 0;
  double roll = 0;
  double sway = 0;
  bool rollUndefined = false;
};

ConditionPeriods periodsOfCondition(const ShipPeriods& periods, int condition) {
  return {periods.PitchPeriod.at(condition), periods.RollPeriod.at(condition), periods.SwayPeriod,
          periods.RollUndefined.at(condition)};
}

// First mode of a standing wave across a free surface of this span over this
// depth (linear wave theory). A level at or below the bottom holds no liquid
// and has no period; neither has a free surface of no span.
Single naturalPeriod(Single depth, Single span) {
  if (depth <= 0 || span == 0) return 0;
  const double period = std::sqrt(kFourPi * span / (kGravity * std::tanh(kPi * depth / span)));
  return static_cast<Single>(period);
}

Single depthRatio(Single depth, Single span) {
  return span == 0 ? 0 : static_cast<Single>(static_cast<double>(depth) / span);
}

// A ship period that is not positive judges nothing.
double periodRatio(Single liquidPeriod, double shipPeriod) {
  return shipPeriod > 0 ? liquidPeriod / shipPeriod : 0;
}

LevelResonance evaluateLevel(const FillingPoint& point, const ConditionPeriods& ship) {
  LevelResonance level;
  level.NoLiquid = point.H <= 0;
  level.NoRollPeriod = ship.rollUndefined;
  level.Tx = naturalPeriod(point.H, point.L);
  level.Ty = naturalPeriod(point.H, point.B);
  const Single lengthDepthRatio = depthRatio(point.H, point.L);
  const Single breadthDepthRatio = depthRatio(point.H, point.B);
  level.PitchRisk =
      pitchRisk(static_cast<Single>(periodRatio(level.Tx, ship.pitch)), lengthDepthRatio);
  level.RollRisk =
      rollRisk(static_cast<Single>(periodRatio(level.Ty, ship.roll)), breadthDepthRatio);
  level.SwayRisk = swayRisk(periodRatio(level.Ty, ship.sway), breadthDepthRatio);
  return level;
}

}  // namespace

List<LevelResonance> computeSloshingPeriods(const Compartment& compartment,
                                            const ShipPeriods& periods) {
  const ConditionPeriods ship = periodsOfCondition(periods, loadingConditionOf(compartment));
  List<LevelResonance> levels;
  for (const FillingPoint& point : compartment.Points) levels.append(evaluateLevel(point, ship));
  return levels;
}

}  // namespace korain
