// When the ratio of the liquid's natural period to a ship period lies in the
// band where resonance is to be feared. A shallow filling (depth ratio up to
// 0.1) is not judged here: its liquid moves as a travelling bore rather than
// a standing wave, which the rules treat apart. All bounds are exclusive.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain {

// Pitch: Tx / Tp above 0.7 with h / l above 0.1; no upper bound.
bool pitchRisk(Single periodRatio, Single depthRatio);

// Roll: Ty / Tr between 0.7 and 1.3 with h / b above 0.1.
bool rollRisk(Single periodRatio, Single depthRatio);

// Sway: Ty / Tsw above 0.7 with h / b above 0.1; no upper bound. The period
// ratio is judged as computed, without being rounded to a Single first.
bool swayRisk(double periodRatio, Single depthRatio);

}  // namespace korain
