// Values no structure can have: a plate or a profile without thickness, a
// bracket fitted without a length, two stiffeners in one place, a liquid above
// its tank's top. They are kept as typed, since an engineer may be halfway
// through entering a bulkhead, but each is named in the message list so that
// none reaches a report or a yard unnoticed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

// Thickest plate or profile part a hull is built of, in mm.
inline constexpr double kPlausibleThickness = 100;
// Largest profile dimension, in mm.
inline constexpr double kPlausibleDimension = 10000;

// Reports, as warnings, every implausible value of a computed bulkhead.
void reportImplausibleValues(const Bulkhead& bulkhead, BulkheadReport& report);

}  // namespace korain
