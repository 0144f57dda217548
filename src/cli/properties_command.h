// The properties command of korain-cli: the section properties of every
// ordinary stiffener span and the steel weight of every bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands.h"

namespace korain {

// `words` are the arguments after the block number: --json for the JSON the
// schema describes, --deduct MM for net sections MM thinner than the gross
// ones (the configuration's deduction otherwise). The steel's density is the
// configuration's. Fails when the block cannot be read, or was read only in part.
int propertiesCommand(const std::string& database, Integer blockNumber,
                      const std::vector<std::string>& words, const CommandStreams& streams);

}  // namespace korain
