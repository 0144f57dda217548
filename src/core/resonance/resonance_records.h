// What the resonance evaluation finds: the ship's periods of motion and, for
// every compartment with filling levels, the natural periods of its liquid
// and the risks of resonance. The records live only while a report or an
// output is produced; nothing of them is stored.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "model/list.h"

namespace korain {

// Periods of the ship's motion (s), by loading condition 1 (loaded) and 2
// (ballast) where they differ.
struct ShipPeriods {
  FixedList<Single, 2> PitchPeriod;  // the same in both conditions
  FixedList<Single, 2> RollPeriod;   // 0 when undefined
  Single SwayPeriod = 0;
  // The condition's GM is not positive (a negative GM stored, or a default
  // GM from a breadth of 0): the ship lolls over instead of rolling about the
  // upright, so it has no roll period and no roll resonance is judged.
  FixedList<bool, 2> RollUndefined;

  bool operator==(const ShipPeriods&) const = default;
};

// One filling level: the natural periods of the liquid (s) and its risks.
struct LevelResonance {
  Single Tx = 0;  // longitudinal; 0 when not computed
  Single Ty = 0;  // transverse; 0 when not computed
  bool RollRisk = false;
  bool PitchRisk = false;
  bool SwayRisk = false;
  // Why part of the level could not be judged. A level at or below the tank
  // bottom holds no liquid, so nothing sloshes: Tx and Ty stay 0.
  bool NoLiquid = false;
  // The level's loading condition has no roll period: no roll risk is judged.
  bool NoRollPeriod = false;

  bool operator==(const LevelResonance&) const = default;
};

struct CompartmentResonance {
  Integer Side = 0;             // 1 forward, 2 aftward of the bulkhead
  Integer Bulkhead = 0;         // 1-based position in the arrangement
  int LoadingCondition = 1;     // whose roll and pitch periods the levels are judged against
  List<LevelResonance> Levels;  // one per filling level, in the compartment's order

  bool operator==(const CompartmentResonance&) const = default;
};

struct ResonanceEvaluation {
  ShipPeriods Periods;
  List<CompartmentResonance> Compartments;  // only those with filling levels

  bool operator==(const ResonanceEvaluation&) const = default;
};

}  // namespace korain
