// Listing and finding the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

using Listed = std::vector<std::tuple<Integer, BlockKind, std::string>>;

Listed listed(const std::vector<BlockListEntry>& blocks) {
  Listed entries;
  for (const BlockListEntry& b : blocks) entries.emplace_back(b.Position, b.Kind, b.Name);
  return entries;
}

constexpr char kBanner[] = "------------------ BLOCK ------------------";
constexpr char kGeneral[] = "------------------ GENERAL DATA ------------------";

std::string sectionBlock(int number, const std::string& keyword, const std::string& name) {
  return std::string(kBanner) + "\r\n*\r\n " + std::to_string(number) + " \r\n" + keyword +
         "\r\n*\r\n" + kGeneral + "\r\n* Name\r\n" + name + "  \r\n* more data\r\n";
}

std::string torsionBlock(int number) {
  return std::string(kBanner) + "\r\n* comment\r\n " + std::to_string(number) +
         " \r\nTORSION\r\n 1 2 3\r\n";
}

TEST(BlockList, ListsEveryBlockWithItsKindAndTrimmedName) {
  Arrangement zel = sampleArrangement({.bulkheads = 1});
  zel.Name = "Aft bulkheads";
  const std::string file =
      "preamble\r\n" + sectionBlock(1, "MIDSHIP", "Frame 120") + torsionBlock(2) + zelText(zel, 3);
  const std::vector<BlockListEntry> blocks = listBlocks(file);
  EXPECT_EQ(listed(blocks), (Listed{{1, BlockKind::Section, "Frame 120"},
                                    {2, BlockKind::Torsion, ""},
                                    {3, BlockKind::Zel, "Aft bulkheads"}}));
  EXPECT_EQ(blockKindName(blocks[2].Kind), "zel");
  EXPECT_TRUE(listBlocks("").empty());
  EXPECT_TRUE(listBlocks("just\r\nsome text\r\n* and a comment\r\n").empty());
}

TEST(BlockList, ABlockCutShortBeforeItsNameDoesNotHideTheNextOne) {
  std::string cut = sectionBlock(1, "MIDSHIP", "A");
  cut.erase(cut.find("* Name"));
  const std::vector<BlockListEntry> blocks = listBlocks(cut + sectionBlock(2, "MIDSHIP", "B"));
  ASSERT_EQ(blocks.size(), 2U);
  EXPECT_EQ(blocks[0].Name + "|" + blocks[1].Name, "|B");
}

// Bytes handed out in pieces of a given size, as a file is read; a failure once
// a given number of bytes is out, as a disk that fails.
class PieceInput : public InputFile {
 public:
  PieceInput(std::string_view bytes, std::size_t piece,
             std::size_t failAt = std::numeric_limits<std::size_t>::max())
      : bytes_(bytes), piece_(piece), failAt_(failAt) {}

  std::optional<std::size_t> read(char* buffer, std::size_t size, std::string& error) override {
    if (given_ >= failAt_) {
      error = "injected failure";
      return std::nullopt;
    }
    const std::size_t n = std::min({size, piece_, bytes_.size() - given_});
    std::memcpy(buffer, bytes_.data() + given_, n);
    given_ += n;
    return n;
  }
  std::size_t given() const { return given_; }

 private:
  std::string_view bytes_;
  std::size_t piece_;
  std::size_t failAt_;
  std::size_t given_ = 0;
};

// A database three times the reader's buffer of 1 MB, with the list its
// writer knows: blocks of every kind, names beyond ASCII, and comment runs of
// changing length between them, so that banners, keywords and names fall
// across the ends of the reads.
struct LargeDatabase {
  std::string bytes;
  Listed blocks;
};

LargeDatabase largeDatabase() {
  LargeDatabase database{"* a large database\r\n", {}};
  for (int n = 1; database.bytes.size() < 3'000'000; ++n) {
    const std::string name = "Frame " + std::to_string(n) + " \xE9";  // "é" in Windows-1252
    switch (n % 3) {
      case 0:
        database.bytes += torsionBlock(n);
        database.blocks.emplace_back(n, BlockKind::Torsion, "");
        break;
      case 1:
        database.bytes += sectionBlock(n, "MIDSHIP", name);
        database.blocks.emplace_back(n, BlockKind::Section, "Frame " + std::to_string(n) + " é");
        break;
      default:
        database.bytes += sectionBlock(n, "ZEL", name);
        database.blocks.emplace_back(n, BlockKind::Zel, "Frame " + std::to_string(n) + " é");
    }
    database.bytes += "* " + std::string(static_cast<std::size_t>(n * 37 % 2000), 'x') + "\r\n";
  }
  return database;
}

TEST(BlockList, AFileLargerThanTheReadBufferIsListedAsItsWriterMadeItHoweverItIsRead) {
  const LargeDatabase database = largeDatabase();
  ASSERT_GT(database.blocks.size(), 1000U);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("korain-list-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".ko2");
  std::ofstream(path, std::ios::binary) << database.bytes;
  std::string error;
  const std::optional<std::vector<BlockListEntry>> fromFile =
      listBlocksOfFile(path.string(), error);
  std::filesystem::remove(path);
  ASSERT_TRUE(fromFile) << error;
  EXPECT_EQ(listed(*fromFile), database.blocks);
  EXPECT_EQ(listed(listBlocks(database.bytes)), database.blocks);
  for (const std::size_t piece : {7U, 4093U}) {
    PieceInput input(database.bytes, piece);
    const std::optional<std::vector<BlockListEntry>> read = listBlocks(input, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(listed(*read), database.blocks) << piece;
  }
}

TEST(BlockList, ReadsNoFurtherThanTheBlocksWantedAndNothingOfAFileThatFails) {
  const LargeDatabase database = largeDatabase();
  constexpr std::size_t kPiece = 4093;
  std::string error;
  PieceInput input(database.bytes, kPiece);
  const std::optional<std::vector<BlockListEntry>> three = listBlocks(input, error, 3);
  ASSERT_TRUE(three);
  EXPECT_EQ(listed(*three), Listed(database.blocks.begin(), database.blocks.begin() + 3));
  // Block 3 ends at block 4's banner: the reader holds at most a piece beyond that line.
  std::size_t fourth = 0;
  for (int banner = 0; banner < 4; ++banner) fourth = database.bytes.find(kBanner, fourth + 1);
  EXPECT_LE(input.given(), database.bytes.find('\n', fourth) + 1 + kPiece);

  PieceInput failing(database.bytes, kPiece, 1'500'000);
  EXPECT_EQ(listBlocks(failing, error), std::nullopt);
  EXPECT_EQ(error, "injected failure");
  EXPECT_EQ(listBlocksOfFile("/nonexistent/ship.ko2", error), std::nullopt);
  EXPECT_FALSE(error.empty());
}

// "ZEL" and "TORSION" name their kinds in the listing above; any other keyword is a section's.
TEST(BlockFraming, KeywordsBannersAndComments) {
  for (const char* other : {"zel", ""}) EXPECT_EQ(blockKindOf(other), BlockKind::Section);
  // Banners and comments are recognised by their first characters.
  EXPECT_TRUE(isBannerLine("  ------ anything"));
  EXPECT_FALSE(isBannerLine("----- five"));
  EXPECT_TRUE(isCommentLine("*"));
  EXPECT_FALSE(isCommentLine(" *"));
}

TEST(BlockFraming, FindingABlockChecksNumberAndKeywordAndReturnsToTheBanner) {
  const std::string file = sectionBlock(1, "MIDSHIP", "A") + sectionBlock(2, "ZEL", "B");
  LineCursor cursor(file);
  EXPECT_EQ(findBlock(cursor, 2, ""), "ZEL");
  std::string_view line;
  ASSERT_TRUE(cursor.next(line));
  EXPECT_EQ(line, kBanner);
  EXPECT_EQ(findBlock(cursor, 1, "ZEL"), std::nullopt);
  EXPECT_EQ(findBlock(cursor, 3, ""), std::nullopt);
}

}  // namespace
}  // namespace korain::testing
