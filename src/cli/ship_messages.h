// The ship data's read messages on standard error, as every command that
// reads the ship data shows them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "ship/ship_data_reader.h"

namespace korain {

// "file:line: text" for each item that could not be read and for a block cut
// short; the warning of a file without the block as it stands, since its text
// already names the file.
void printShipDataMessages(const ShipDataReadResult& result, std::ostream& err);

}  // namespace korain
