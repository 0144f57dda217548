// The refusals every korain-cli command makes before reading a database: a
// file that holds no block at all, and a block of another kind than wanted.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "io/block_framing.h"
#include "io/block_list.h"

namespace korain {

// True, after saying so, when the file can be read but holds no block: empty,
// binary or any other text is no database, and reading on would find nothing
// and say nothing. A file that cannot be read is left to the reader to report.
bool refusedAsNoDatabase(const std::string& path, std::ostream& err);

// The same for a file whose blocks are already listed.
bool refusedAsNoDatabase(const std::string& path, const std::vector<BlockListEntry>& blocks,
                         std::ostream& err);

// The same, and also true when block n exists but is of another kind, as in
// "block 3 is a hull section, not an arrangement". A block past the last one
// is left to the reader, whose message names the missing block.
bool refusedBlock(const std::string& path, Integer n, BlockKind wanted, std::ostream& err);

}  // namespace korain
