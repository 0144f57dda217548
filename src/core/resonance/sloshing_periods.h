// The natural periods of the liquid at each filling level of a compartment,
// and their risks of resonance with the ship's motion.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "model/list.h"
#include "resonance/resonance_records.h"

namespace korain {

// One entry per filling level of the compartment, in its order, judged
// against the pitch and roll periods of the compartment's loading condition
// and the sway period.
List<LevelResonance> computeSloshingPeriods(const Compartment& compartment,
                                            const ShipPeriods& periods);

}  // namespace korain
