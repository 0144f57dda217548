// The list of the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_list.h"

#include "io/database_texts.h"
#include "text/text_utils.h"

namespace korain {

namespace {

// Reads the keyword and the name of the block whose banner was just read. A block
// without a general-data banner (torsion data) has no name; its search stops at
// the next block banner, which is left for the caller.
void readEntry(LineCursor& cursor, BlockListEntry& entry) {
  const DatabaseTexts& texts = DatabaseTexts::get();
  std::string_view line;
  if (!nextDataLine(cursor, line) || !nextDataLine(cursor, line)) return;
  entry.Kind = blockKindOf(line);
  for (LinePosition before = cursor.position(); nextDataLine(cursor, line);
       before = cursor.position()) {
    if (isLine(line, texts.blockBanner)) {
      cursor.seek(before);
      return;
    }
    if (isLine(line, texts.generalBanner)) {
      const LinePosition afterBanner = cursor.position();
      if (!nextDataLine(cursor, line)) return;
      if (isBannerLine(line)) {
        cursor.seek(afterBanner);  // a block cut short: its name line is the next banner
        return;
      }
      entry.Name = std::string(trimmed(line));
      return;
    }
  }
}

// Block numbers are Integers: a file cannot hold more blocks than that.
constexpr std::size_t kMaxBlocks = 32767;

}  // namespace

std::vector<BlockListEntry> listBlocks(std::string_view bytes) {
  const std::string& banner = DatabaseTexts::get().blockBanner;
  std::vector<BlockListEntry> blocks;
  LineCursor cursor(bytes);
  std::string_view line;
  while (blocks.size() < kMaxBlocks && nextDataLine(cursor, line)) {
    if (!isLine(line, banner)) continue;
    BlockListEntry& entry = blocks.emplace_back();
    entry.Position = static_cast<Integer>(blocks.size());
    readEntry(cursor, entry);
  }
  return blocks;
}

int countBlocks(std::string_view bytes) {
  const std::string& banner = DatabaseTexts::get().blockBanner;
  LineCursor cursor(bytes);
  std::string_view line;
  int count = 0;
  while (nextDataLine(cursor, line)) {
    if (isLine(line, banner)) ++count;
  }
  return count;
}

std::string_view blockKindName(BlockKind kind) {
  switch (kind) {
    case BlockKind::Zel:
      return "zel";
    case BlockKind::Torsion:
      return "torsion";
    case BlockKind::Section:
      break;
  }
  return "section";
}

}  // namespace korain
