// The list of the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "io/block_framing.h"

namespace korain {

struct BlockListEntry {
  Integer Position = 0;  // 1-based; also the number the block is found and written by
  std::string Name;
  BlockKind Kind = BlockKind::Section;
};

// The blocks of a database file in file order. Each block banner counts one
// block; its kind comes from its keyword line and its name from the first data
// line after its general-data banner.
std::vector<BlockListEntry> listBlocks(std::string_view bytes);

// The number of block banners of the file (comment lines do not count).
int countBlocks(std::string_view bytes);

// "zel", "torsion" or "section".
std::string_view blockKindName(BlockKind kind);

}  // namespace korain
