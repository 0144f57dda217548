// The ship's pitch, roll and sway periods from the rule formulas.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonance/resonance_records.h"
#include "ship/ship_data.h"

namespace korain {

// Periods from the rule length, breadth, service speed and ship type, with
// the GM and roll radius of each loading condition; a GM or roll radius left
// at 0 (below 0.001 either way) takes the rule default of the ship type.
ShipPeriods computeShipPeriods(const ShipData& ship);

}  // namespace korain
