// SPDX-License-Identifier: GPL-3.0-or-later
#include "database_check.h"

#include <optional>
#include <ostream>
#include <vector>

#include "io/block_list.h"
#include "io/text_file.h"

namespace korain {
namespace {

// The blocks of a file that can be read; nothing when it cannot.
std::optional<std::vector<BlockListEntry>> blocksOf(const std::string& path) {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(path, error);
  if (!bytes) return std::nullopt;
  return listBlocks(*bytes);
}

}  // namespace

bool refusedAsNoDatabase(const std::string& path, const std::vector<BlockListEntry>& blocks,
                         std::ostream& err) {
  if (!blocks.empty()) return false;
  err << path << ": is not a database: it holds no block\n";
  return true;
}

bool refusedAsNoDatabase(const std::string& path, std::ostream& err) {
  const std::optional<std::vector<BlockListEntry>> blocks = blocksOf(path);
  return blocks && refusedAsNoDatabase(path, *blocks, err);
}

bool refusedBlock(const std::string& path, Integer n, BlockKind wanted, std::ostream& err) {
  const std::optional<std::vector<BlockListEntry>> blocks = blocksOf(path);
  if (!blocks) return false;
  if (refusedAsNoDatabase(path, *blocks, err)) return true;
  if (n < 1 || static_cast<std::size_t>(n) > blocks->size()) return false;
  const BlockKind kind = (*blocks)[static_cast<std::size_t>(n) - 1].Kind;
  if (kind == wanted) return false;
  err << path << ": block " << n << " is " << blockKindPhrase(kind) << ", not "
      << blockKindPhrase(wanted) << '\n';
  return true;
}

}  // namespace korain
