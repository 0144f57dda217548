// Whether a period ratio lies in the band of pitch, roll or sway resonance.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/risk_band.h"

namespace korain {
namespace {

// The Single ratios are held against Single bounds, so that a ratio of
// exactly 0.7, 1.3 or 0.1 (as stored) is outside the band.
constexpr Single kLowerBound = 0.7F;
constexpr Single kRollUpperBound = 1.3F;
constexpr Single kShallowDepthRatio = 0.1F;

bool deepEnough(Single depthRatio) { return depthRatio > kShallowDepthRatio; }

}  // namespace

bool pitchRisk(Single periodRatio, Single depthRatio) {
  return periodRatio > kLowerBound && deepEnough(depthRatio);
}

bool rollRisk(Single periodRatio, Single depthRatio) {
  return periodRatio > kLowerBound && periodRatio < kRollUpperBound && deepEnough(depthRatio);
}

bool swayRisk(double periodRatio, Single depthRatio) {
  return periodRatio > 0.7 && deepEnough(depthRatio);
}

}  // namespace korain
