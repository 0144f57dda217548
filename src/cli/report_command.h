// The report command of korain-cli: the data report of an arrangement as a PDF.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands.h"

namespace korain {

// args: DB N -o FILE.pdf [--items 0,1,...] (all items by default)
int reportCommand(const std::vector<std::string>& args, const CommandStreams& streams);

}  // namespace korain
