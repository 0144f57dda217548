// The list of the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_list.h"

#include <algorithm>
#include <cstring>

#include "io/database_texts.h"
#include "io/line_reader.h"
#include "text/cp1252.h"
#include "text/text_utils.h"

namespace korain {
namespace {

// The blocks of a file one by one, as its lines pass through a LineReader.
class BlockScanner {
 public:
  explicit BlockScanner(InputFile& file) : in_(&file, {}), texts_(DatabaseTexts::get()) {}

  // The next block; false at the end of the file, after kMaxBlocks blocks, or
  // on an error (failed() then tells, with error()).
  bool next(BlockListEntry& entry) {
    std::string_view line;
    while (blocks_ < kMaxBlocks && nextDataLine(line)) {
      if (!isLine(line, texts_.blockBanner)) continue;
      entry = {.Position = static_cast<Integer>(++blocks_), .Name = {}, .Kind = BlockKind::Section};
      readEntry(entry);
      return true;
    }
    return false;
  }

  bool failed() const { return in_.failed(); }
  const std::string& error() const { return in_.error(); }

 private:
  // Reads the keyword and the name of the block whose banner was just read. A
  // block without a general-data banner (torsion data) has no name; its search
  // stops at the next block banner, which is given back for the next block.
  void readEntry(BlockListEntry& entry) {
    std::string_view line;
    if (!nextDataLine(line) || !nextDataLine(line)) return;
    entry.Kind = blockKindOf(line);
    while (nextDataLine(line)) {
      if (isLine(line, texts_.blockBanner)) {
        in_.unread();
        return;
      }
      if (isLine(line, texts_.generalBanner)) {
        if (!nextDataLine(line)) return;
        // A block cut short: its name line is the next banner, perhaps the next block's.
        if (isBannerLine(line)) {
          in_.unread();
          return;
        }
        entry.Name = utf8FromCp1252(trimmed(line));
        return;
      }
    }
  }

  // The next line that is not a comment, without its line end; false at the end.
  bool nextDataLine(std::string_view& line) {
    std::string_view raw;
    while (in_.next(raw)) {
      if (!isCommentLine(raw)) {
        line = withoutLineEnd(raw);
        return true;
      }
    }
    return false;
  }

  LineReader in_;
  const DatabaseTexts& texts_;
  std::size_t blocks_ = 0;
};

// Bytes in memory read as a file.
class BytesInput : public InputFile {
 public:
  explicit BytesInput(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::size_t> read(char* buffer, std::size_t size, std::string&) override {
    const std::size_t n = std::min(size, bytes_.size());
    if (n > 0) std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return n;
  }

 private:
  std::string_view bytes_;
};

}  // namespace

std::optional<std::vector<BlockListEntry>> listBlocks(InputFile& file, std::string& error,
                                                      std::size_t most) {
  BlockScanner scanner(file);
  std::vector<BlockListEntry> blocks;
  BlockListEntry entry;
  while (blocks.size() < most && scanner.next(entry)) blocks.push_back(std::move(entry));
  if (scanner.failed()) {
    error = scanner.error();
    return std::nullopt;
  }
  return blocks;
}

std::optional<std::vector<BlockListEntry>> listBlocksOfFile(const std::string& path,
                                                            std::string& error, std::size_t most) {
  const std::unique_ptr<InputFile> file = hostFileSystem().openForReading(path, error);
  if (!file) return std::nullopt;
  return listBlocks(*file, error, most);
}

std::vector<BlockListEntry> listBlocks(std::string_view bytes) {
  BytesInput input(bytes);
  std::string error;
  // Bytes in memory cannot fail to be read; a line beyond the longest a
  // database holds (16 MB) makes them no database, with no block.
  return listBlocks(input, error).value_or(std::vector<BlockListEntry>{});
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
