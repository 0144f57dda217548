// The ranges of the section modulus check: one round step for the whole
// arrangement, so that a range reads the same on every bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "checks/checked_objects.h"

namespace korain {

// More ranges would give colours too close to tell apart on the drawing.
inline constexpr int kMostModulusRanges = 8;

// The smallest step of 1, 2 or 5 × 10^k cm³ (k ≥ 0) for which the values
// from `smallest` to `largest` (finite) fall in at most kMostModulusRanges
// ranges.
double modulusStep(double smallest, double largest);

// Where the range that holds the modulus starts: the step's multiple at or below it.
double rangeStart(double modulus, double step);

// The legend's text of a range: "100 – 200 cm³".
std::string modulusRangeText(double start, double step);

// Replaces the modulus each object is valued by with the start of its range,
// and gives the step (0 when no object has a modulus).
double putModuliInRanges(std::vector<CheckedObject>& objects);

}  // namespace korain
