// The knuckle lines of a corrugated bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/contour.h"
#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

// At most this many lines are laid out: more can only come from a spacing
// that no real corrugation has, and would only fill memory.
inline constexpr int kMaxCorrugationLines = 10000;

// Lines from Start (measured from ZLow or YMin along the stiffener direction)
// alternately S1 - a and a apart, up to ZHigh or YMax; each with its
// extremities and crossings. Nothing when S1 and a are both 0.
void computeCorrugation(Bulkhead& bulkhead, const Contour& contour, BulkheadReport& report);

}  // namespace korain
