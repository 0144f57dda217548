// Spans whose section properties are left out because their values make no
// section, named in the message list so that a missing modulus is never
// taken for a small one.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

// Warns, for each span of a computed bulkhead without properties for a fault
// (a profile dimension not positive, a bulb too low, no plate under it), why.
void reportSectionFaults(const Bulkhead& bulkhead, BulkheadReport& report);

}  // namespace korain
