// Ordinary stiffeners: their extremities, spans between the crossing members,
// and which support interval holds each span.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/contour.h"
#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

void computeStiffeners(Bulkhead& bulkhead, const Contour& contour, BulkheadReport& report);

// Orders the stiffeners by increasing Position (an exchange sort, so that
// stiffeners at the same position keep a predictable order).
void sortStiffeners(Bulkhead& bulkhead);

}  // namespace korain
