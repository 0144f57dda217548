// The copy-bulkheads command of korain-cli: bulkheads of one arrangement
// appended to another, of the same database or of another one.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands.h"

namespace korain {

// args: DB N FROM_DB M [--bulkheads LIST]. Appends the bulkheads of
// arrangement M of FROM_DB (all, or those LIST numbers, by commas, in that
// order) to arrangement N of DB and saves it. FROM_DB is only read. Material
// numbers that name another material in DB's ship than in FROM_DB's are kept
// and said on standard error; a refusal leaves DB unchanged.
int copyBulkheadsCommand(const std::vector<std::string>& args, const CommandStreams& streams);

}  // namespace korain
