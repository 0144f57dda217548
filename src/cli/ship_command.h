// The ship command of korain-cli: the ship data block of a database as JSON.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "commands.h"

namespace korain {

// Every field of the ship data block in reading order, then the material list
// with the display names. Fails when the file cannot be read or holds no block;
// a block cut short is shown as far as it was read, with its messages.
int shipCommand(const std::string& database, const CommandStreams& streams);

}  // namespace korain
