// Evaluating the risk of resonance in every compartment of an arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/evaluate_resonance.h"

#include "resonance/compartment_codes.h"
#include "resonance/ship_periods.h"
#include "resonance/sloshing_periods.h"

namespace korain {

ResonanceEvaluation evaluateResonance(const Arrangement& arrangement, const ShipData& ship) {
  ResonanceEvaluation evaluation;
  evaluation.Periods = computeShipPeriods(ship);
  for (int b = 1; b <= arrangement.Bulkheads.count(); ++b) {
    for (int side = 1; side <= 2; ++side) {
      const Compartment& compartment = arrangement.Bulkheads.at(b).Compartments.at(side);
      if (!compartment.Points.isDimensioned()) continue;
      CompartmentResonance& result = evaluation.Compartments.append();
      result.Side = static_cast<Integer>(side);
      result.Bulkhead = static_cast<Integer>(b);
      result.LoadingCondition = loadingConditionOf(compartment);
      result.Levels = computeSloshingPeriods(compartment, evaluation.Periods);
    }
  }
  return evaluation;
}

}  // namespace korain
