// The risk of resonance of the liquid in every compartment of an arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "resonance/resonance_records.h"
#include "ship/ship_data.h"

namespace korain {

// The ship periods, then bulkhead by bulkhead, forward compartment before
// aftward, one entry for each compartment with at least one filling level.
ResonanceEvaluation evaluateResonance(const Arrangement& arrangement, const ShipData& ship);

}  // namespace korain
