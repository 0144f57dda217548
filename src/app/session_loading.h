// Filling the session from its database: the ship data, an arrangement block
// and the hull section drawn behind it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "io/file_message.h"
#include "io/zel_reader.h"
#include "session.h"

namespace korain {

// Makes `path` the session's database, keeps a copy of it and reads its ship
// data; what could not be read is in the messages (the ship data then stay as
// the reader left them).
FileMessages openDatabase(Session& session, const std::string& path);

// Takes a new copy of the session's database (after it was read or written);
// false, with the previous copy kept, when the file cannot be read.
bool copyDatabase(Session& session);

// Reads arrangement block n of the session's database. When the block is
// found it becomes the session's arrangement and block, clean, its geometry
// computed and its history fresh; otherwise the arrangement is left as it was. The hull
// section follows the arrangement's X either way.
ZelReadResult openArrangement(Session& session, Integer blockNumber);

}  // namespace korain
