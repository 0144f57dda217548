// The evaluation of a whole arrangement, and the compartment codes it and the report use.
#include "resonance/evaluate_resonance.h"

#include <gtest/gtest.h>

#include <tuple>

#include "resonance/compartment_codes.h"

namespace korain::testing {
namespace {

TEST(EvaluateResonance, OnlyCompartmentsWithLevelsBulkheadBySideInOrder) {
  Arrangement arrangement;
  arrangement.Bulkheads.resize(3);
  arrangement.Bulkheads.at(1).Compartments.at(2).Points.append({4, 20, 20});
  arrangement.Bulkheads.at(3).Compartments.at(1).Points.append({4, 20, 20});
  arrangement.Bulkheads.at(3).Compartments.at(2).B = kWaterBallastDestination;
  arrangement.Bulkheads.at(3).Compartments.at(2).Points.append({4, 20, 20});
  arrangement.Bulkheads.at(3).Compartments.at(2).Points.append({8, 20, 20});
  ShipData ship;
  ship.L = 177;
  ship.B = 32;
  const ResonanceEvaluation evaluation = evaluateResonance(arrangement, ship);
  EXPECT_NEAR(evaluation.Periods.PitchPeriod.at(1), 7.649877F, 1e-4F);  // 0.575 * sqrt(177)
  ASSERT_EQ(evaluation.Compartments.count(), 3);
  const auto place = [&](int i) {
    const CompartmentResonance& c = evaluation.Compartments.at(i);
    return std::tuple(c.Bulkhead, c.Side, c.LoadingCondition, c.Levels.count());
  };
  EXPECT_EQ(place(1), std::tuple(1, 2, 1, 1));
  EXPECT_EQ(place(2), std::tuple(3, 1, 1, 1));
  EXPECT_EQ(place(3), std::tuple(3, 2, 2, 2));
}

TEST(EvaluateResonance, NoLevelsGiveAnEmptyList) {
  Arrangement arrangement;
  arrangement.Bulkheads.resize(2);
  EXPECT_FALSE(evaluateResonance(arrangement, ShipData{}).Compartments.isDimensioned());
}

TEST(CompartmentCodes, TextsAndLoadingCondition) {
  EXPECT_EQ(compartmentTypeText(1), "Double bottom tank");
  EXPECT_EQ(compartmentTypeText(8), "Cofferdam");
  EXPECT_EQ(compartmentTypeText(9), "Unknown type");
  EXPECT_EQ(compartmentTypeText(0), "Unknown type");
  EXPECT_EQ(mainDestinationText(1), "Water ballast");
  EXPECT_EQ(mainDestinationText(7), "Other");
  EXPECT_EQ(mainDestinationText(8), "Unknown");
  EXPECT_EQ(mainDestinationText(0), "Unknown");
  for (const Long destination : {0, 2, 4, 7, 8}) {
    Compartment compartment;
    compartment.B = destination;
    EXPECT_EQ(loadingConditionOf(compartment), 1) << destination;
  }
  Compartment ballast;
  ballast.B = kWaterBallastDestination;
  EXPECT_EQ(loadingConditionOf(ballast), 2);
}

}  // namespace
}  // namespace korain::testing
