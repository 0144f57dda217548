// The import-contour command of korain-cli: a bulkhead's contour taken from a DXF file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands.h"

namespace korain {

// args: DB N FILE.dxf [--layer NAME] [--bulkhead K]. The longest chain of the
// drawing (of layer NAME only, when given) becomes the nodes of bulkhead K of
// arrangement N, or of a new bulkhead appended to it without --bulkhead; the
// arrangement is saved in place. A file without a usable chain is refused
// naming the file and what was missing, and the database is left unchanged.
int importContourCommand(const std::vector<std::string>& args, const CommandStreams& streams);

}  // namespace korain
