// The draw command of korain-cli: an arrangement's drawing written to a file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands.h"

namespace korain {

// args: DB N -o FILE [--size WxH] [--show LIST] [--check MODE] [--title-block]
//       [--normalised-scale]
int drawCommand(const std::vector<std::string>& args, const CommandStreams& streams);

}  // namespace korain
