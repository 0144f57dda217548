// The list of the numbered blocks of a database file, its lines read through a
// buffer of fixed size, so that listing a file of any size needs memory for
// its list only.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/block_framing.h"
#include "io/file_system.h"

namespace korain {

struct BlockListEntry {
  Integer Position = 0;  // 1-based; also the number the block is found and written by
  std::string Name;
  BlockKind Kind = BlockKind::Section;
};

// Block numbers are Integers: a file cannot hold more blocks than that.
inline constexpr std::size_t kMaxBlocks = 32767;

// The first `most` blocks of a file (all of them by default) in file order,
// read no further than the last block wanted. Each block banner counts one
// block; its kind comes from its keyword line and its name from the first
// data line after its general-data banner. Nothing when the file cannot be
// read, error then says why.
std::optional<std::vector<BlockListEntry>> listBlocks(InputFile& file, std::string& error,
                                                      std::size_t most = kMaxBlocks);

// The same for the file at path; nothing also when it cannot be opened.
std::optional<std::vector<BlockListEntry>> listBlocksOfFile(const std::string& path,
                                                            std::string& error,
                                                            std::size_t most = kMaxBlocks);

// The blocks of a database file held in memory.
std::vector<BlockListEntry> listBlocks(std::string_view bytes);

// The number of block banners of the file (comment lines do not count).
int countBlocks(std::string_view bytes);

// "zel", "torsion" or "section".
std::string_view blockKindName(BlockKind kind);

}  // namespace korain
