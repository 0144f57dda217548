// The resonance command of korain-cli: the risk of resonance of the liquid in
// the compartments of an arrangement, as JSON.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "commands.h"

namespace korain {

// The ship's periods, then each compartment with filling levels: its place,
// name, main destination and loading condition, and per level the level,
// free-surface length and breadth, Tx, Ty, the three risks and the notes of
// what could not be judged. Fails when the block cannot be read.
int resonanceCommand(const std::string& database, Integer blockNumber,
                     const CommandStreams& streams);

}  // namespace korain
