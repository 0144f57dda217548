// Fuzz target of the block structure of a database: listing and counting any
// bytes must do no harm, a list read in small pieces must equal the list read
// whole, each block listed stands at a banner, and a block saved into them
// must be found again as the new last block, with every block before it kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "io/block_list.h"
#include "io/database_rewrite.h"
#include "io/zel_reader.h"

namespace {

// The bytes handed out in small pieces, so that lines cross the reads.
class PieceInput : public korain::InputFile {
 public:
  explicit PieceInput(std::string_view bytes) : bytes_(bytes) {}
  std::optional<std::size_t> read(char* buffer, std::size_t size, std::string&) override {
    const std::size_t n = std::min({size, bytes_.size(), std::size_t{7}});
    if (n > 0) std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return n;
  }

 private:
  std::string_view bytes_;
};

class StringOutput : public korain::OutputFile {
 public:
  bool write(std::string_view bytes, std::string&) override {
    text.append(bytes);
    return true;
  }
  bool finish(std::string&) override { return true; }
  std::string text;
};

bool sameBlocks(const std::vector<korain::BlockListEntry>& a,
                const std::vector<korain::BlockListEntry>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.Position == y.Position && x.Kind == y.Kind && x.Name == y.Name;
  });
}

// The list read through a file handed out in pieces, whole and up to half its blocks.
void checkListInPieces(std::string_view bytes, int banners) {
  const std::vector<korain::BlockListEntry> whole = korain::listBlocks(bytes);
  korain::fuzz::check(whole.size() <= static_cast<std::size_t>(banners));
  std::string error;
  PieceInput pieces(bytes);
  const auto streamed = korain::listBlocks(pieces, error);
  korain::fuzz::check(streamed && sameBlocks(*streamed, whole));
  PieceInput again(bytes);
  const std::size_t half = whole.size() / 2;
  const auto first = korain::listBlocks(again, error, half);
  const std::vector<korain::BlockListEntry> firstHalf(
      whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(half));
  korain::fuzz::check(first && sameBlocks(*first, firstHalf));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const int blocks = korain::countBlocks(bytes);
  checkListInPieces(bytes, blocks);

  korain::Arrangement arrangement;
  arrangement.Name = "Fuzz";
  arrangement.ID = "{fuzz}";
  PieceInput input(bytes);
  StringOutput output;
  const korain::RewriteResult saved = korain::rewriteDatabase(
      &input, output, arrangement,
      {.blockNumber = korain::kAppendedBlock, .context = korain::fuzz::writeContext()});
  if (!saved.error.empty()) return 0;
  korain::fuzz::check(saved.blockNumber == blocks + 1 &&
                      korain::countBlocks(output.text) == blocks + 1);
  korain::Arrangement read;
  korain::fuzz::check(
      korain::readZelBlockFromBytes(output.text, "fuzz.ko2", saved.blockNumber, read).found());
  return 0;
}
