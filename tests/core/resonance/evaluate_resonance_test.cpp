// The evaluation of a whole arrangement, the compartment codes it and the report use, and the
// risk bands: exclusive bounds, no upper bound for pitch and sway, no risk when shallow.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/evaluate_resonance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "bulk_carrier_ship.h"
#include "resonance/compartment_codes.h"
#include "resonance/risk_band.h"

namespace korain::testing {
namespace {

TEST(EvaluateResonance, OnlyCompartmentsWithLevelsBulkheadBySideInOrder) {
  Arrangement arrangement;
  arrangement.Bulkheads.resize(3);
  const auto fill = [&](int bulkhead, int side, int levels) -> Compartment& {
    Compartment& c = arrangement.Bulkheads.at(bulkhead).Compartments.at(side);
    for (int i = 1; i <= levels; ++i) c.Points.append({4.0F * static_cast<float>(i), 20, 20});
    return c;
  };
  fill(1, 2, 1);
  fill(3, 1, 1);
  fill(3, 2, 2).B = kWaterBallastDestination;
  const ResonanceEvaluation evaluation = evaluateResonance(arrangement, bulkCarrier());
  EXPECT_NEAR(evaluation.Periods.PitchPeriod.at(1), 7.649877F, 1e-4F);  // 0.575 * sqrt(177)
  ASSERT_EQ(evaluation.Compartments.count(), 3);
  const auto place = [&](int i) {
    const CompartmentResonance& c = evaluation.Compartments.at(i);
    return std::tuple(c.Bulkhead, c.Side, c.LoadingCondition, c.Levels.count());
  };
  EXPECT_EQ(place(1), std::tuple(1, 2, 1, 1));
  EXPECT_EQ(place(2), std::tuple(3, 1, 1, 1));
  EXPECT_EQ(place(3), std::tuple(3, 2, 2, 2));
  Arrangement empty;
  empty.Bulkheads.resize(2);
  EXPECT_FALSE(evaluateResonance(empty, ShipData{}).Compartments.isDimensioned());
}

TEST(CompartmentCodes, TextsAndLoadingCondition) {
  const struct {
    Long code;
    std::string type, destination;
    int condition;
  } cases[] = {{0, "Unknown type", "Unknown", 1},
               {1, "Double bottom tank", "Water ballast", 2},
               {8, "Cofferdam", "Unknown", 1},
               {9, "Unknown type", "Unknown", 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(compartmentTypeText(c.code), c.type);
    EXPECT_EQ(mainDestinationText(c.code), c.destination);
    Compartment compartment;
    compartment.B = c.code;
    EXPECT_EQ(loadingConditionOf(compartment), c.condition) << c.code;
  }
}

TEST(RiskBand, BoundsAreExclusiveAndOnlyRollHasAnUpperOne) {
  const double above07 = std::nextafter(0.7F, 1.0F);
  const double below13 = std::nextafter(1.3F, 0.0F);
  const float deep = 0.5F;
  const float justDeepEnough = std::nextafter(0.1F, 1.0F);
  // Pitch and roll take the ratio as a Single; sway judges it as computed, so that
  // 0.700000001 (0.7 as a Single) is a risk for sway only.
  const struct {
    double ratio;
    float depth;
    bool pitch, roll, sway;
  } cases[] = {{2.0, deep, true, false, true},    {1.3, deep, true, false, true},
               {below13, deep, true, true, true}, {above07, deep, true, true, true},
               {0.7, deep, false, false, false},  {0.700000001, deep, false, false, true},
               {1.0, 0.1F, false, false, false},  {1.0, 0.0F, false, false, false},
               {1.0, -1.0F, false, false, false}, {1.0, justDeepEnough, true, true, true}};
  for (const auto& c : cases) {
    const auto single = static_cast<float>(c.ratio);
    EXPECT_EQ(pitchRisk(single, c.depth), c.pitch) << c.ratio << " at " << c.depth;
    EXPECT_EQ(rollRisk(single, c.depth), c.roll) << c.ratio << " at " << c.depth;
    EXPECT_EQ(swayRisk(c.ratio, c.depth), c.sway) << c.ratio << " at " << c.depth;
  }
}

}  // namespace
}  // namespace korain::testing
