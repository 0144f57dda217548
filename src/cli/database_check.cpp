// The refusals every korain-cli command makes before reading a database.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "database_check.h"

#include <optional>
#include <ostream>
#include <vector>

#include "io/block_list.h"

namespace korain {
namespace {

// The first blocks of a file that can be read, as many as the refusal needs:
// the file is read up to them only, never whole. Nothing when it cannot be read.
std::optional<std::vector<BlockListEntry>> firstBlocks(const std::string& path, std::size_t most) {
  std::string error;
  return listBlocksOfFile(path, error, most);
}

}  // namespace

bool refusedAsNoDatabase(const std::string& path, const std::vector<BlockListEntry>& blocks,
                         std::ostream& err) {
  if (!blocks.empty()) return false;
  err << path << ": is not a database: it holds no block\n";
  return true;
}

bool refusedAsNoDatabase(const std::string& path, std::ostream& err) {
  const std::optional<std::vector<BlockListEntry>> blocks = firstBlocks(path, 1);
  return blocks && refusedAsNoDatabase(path, *blocks, err);
}

bool refusedBlock(const std::string& path, Integer n, BlockKind wanted, std::ostream& err) {
  const std::size_t reach = n < 1 ? 1 : static_cast<std::size_t>(n);
  const std::optional<std::vector<BlockListEntry>> blocks = firstBlocks(path, reach);
  if (!blocks) return false;
  if (refusedAsNoDatabase(path, *blocks, err)) return true;
  if (n < 1 || reach > blocks->size()) return false;
  const BlockKind kind = blocks->back().Kind;
  if (kind == wanted) return false;
  err << path << ": block " << n << " is " << blockKindPhrase(kind) << ", not "
      << blockKindPhrase(wanted) << '\n';
  return true;
}

}  // namespace korain
