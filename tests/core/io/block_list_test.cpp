// Listing and finding the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_list.h"

#include <gtest/gtest.h>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

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
  std::vector<std::tuple<Integer, BlockKind, std::string>> listed;
  for (const BlockListEntry& b : blocks) listed.emplace_back(b.Position, b.Kind, b.Name);
  EXPECT_EQ(listed, (decltype(listed){{1, BlockKind::Section, "Frame 120"},
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
