// What the stiffener and bulkhead panels say of a span's section modulus and
// of a bulkhead's weight, every value with its unit.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "properties/bulkhead_weight.h"
#include "properties/span_properties.h"

namespace korain {

// "Z 767.6 cm³ at the flange, 2808.8 cm³ at the plate, with plate 800 × 14 mm",
// or "No section modulus: " and why. With a deduction (mm) above 0, a second
// line gives the net moduli ("Net, 2 mm off: Z 700.1 cm³ at the flange,
// 2500.3 cm³ at the plate") or why there are none.
std::string spanModulusText(const SpanProperties& span, double deduction);

// The stiffener panel's span: that of the current support interval on the
// first selected stiffener; its text as above, empty when no stiffener is
// selected or the first has no span in the interval.
std::string currentSpanModulusText(const Bulkhead& bulkhead, double deduction);

// "Steel 12.35 t, centre y 3.21 m, z 5.43 m", for a half section followed by
// "; whole bulkhead 24.70 t, y 0.00 m"; then each note on a line of its own.
std::string bulkheadWeightText(const BulkheadWeight& weight);

}  // namespace korain
