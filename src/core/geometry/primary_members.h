// Primary supporting members: where each lies within the plane part, their
// extremities, and the support intervals they make for the stiffeners.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/contour.h"
#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

// `value` brought into [lower, upper]: above the upper bound it takes the upper
// bound, then below the lower bound the lower one; a value that is not a number
// takes the lower bound. True when it had to move.
bool clampToBounds(Single& value, Single lower, Single upper);

// A member outside the plane part is kept where it was typed and named; the
// geometry places it on the nearer bound (`Placed`), so that the stiffeners
// still find their supports.
void computePrimaryMembers(Bulkhead& bulkhead, const Contour& contour, BulkheadReport& report);

// One interval over the plane part across the stiffeners, split at every
// member of the other direction, in list order.
void computeSupports(Bulkhead& bulkhead);

}  // namespace korain
