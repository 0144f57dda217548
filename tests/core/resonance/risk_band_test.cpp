// The risk bands: exclusive bounds, no upper bound for pitch and sway, no risk when shallow.
#include "resonance/risk_band.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korain::testing {
namespace {

const float kAbove07 = std::nextafter(0.7F, 1.0F);
const float kBelow13 = std::nextafter(1.3F, 0.0F);
const float kDeep = 0.5F;

TEST(RiskBand, PitchAndSwayHaveNoUpperBound) {
  EXPECT_TRUE(pitchRisk(2.0F, kDeep));
  EXPECT_TRUE(pitchRisk(kAbove07, kDeep));
  EXPECT_FALSE(pitchRisk(0.7F, kDeep));
  EXPECT_TRUE(swayRisk(2.0, kDeep));
  EXPECT_FALSE(swayRisk(0.7, kDeep));
  // Judged as computed: rounding 0.700000001 to a Single would give 0.7 and no risk.
  EXPECT_TRUE(swayRisk(0.700000001, kDeep));
}

TEST(RiskBand, RollOnlyBetweenItsBounds) {
  EXPECT_FALSE(rollRisk(2.0F, kDeep));
  EXPECT_FALSE(rollRisk(1.3F, kDeep));
  EXPECT_TRUE(rollRisk(kBelow13, kDeep));
  EXPECT_TRUE(rollRisk(kAbove07, kDeep));
  EXPECT_FALSE(rollRisk(0.7F, kDeep));
}

TEST(RiskBand, ShallowFillingIsNeverAtRisk) {
  for (const float shallow : {0.1F, 0.0F, -1.0F}) {
    EXPECT_FALSE(pitchRisk(1.0F, shallow));
    EXPECT_FALSE(rollRisk(1.0F, shallow));
    EXPECT_FALSE(swayRisk(1.0, shallow));
  }
  const float justDeepEnough = std::nextafter(0.1F, 1.0F);
  EXPECT_TRUE(pitchRisk(1.0F, justDeepEnough) && rollRisk(1.0F, justDeepEnough) &&
              swayRisk(1.0, justDeepEnough));
}

}  // namespace
}  // namespace korain::testing
