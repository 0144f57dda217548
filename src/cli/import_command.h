// The import command of korain-cli: a new arrangement built from a hull section.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands.h"

namespace korain {

// args: DB S [--x X]. Builds the arrangement from the compartments of the hull
// section in block S of DB, at X (the section's own X unless given), appends
// it to DB as its new last block and prints that block's number. The section
// geometry's messages go to standard error; a section without compartments
// gives its warning there and leaves DB unchanged.
int importCommand(const std::vector<std::string>& args, const CommandStreams& streams);

}  // namespace korain
