// The example database: every block reads without a message, and its sections agree with the
// tests' section writer and with the arrangement beside them.
#include <gtest/gtest.h>

#include "../section/section_test_support.h"
#include "io/block_list.h"
#include "io/text_file.h"
#include "sample_section.h"
#include "ship/ship_data_reader.h"
#include "ship/ship_queries.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

std::string exampleBytes() {
  std::string error;
  const auto bytes = readFileBytes(KORAIN_EXAMPLES "/bulk_carrier.ko2", error);
  EXPECT_TRUE(bytes) << error;
  return bytes.value_or("");
}

// What each block holds, and that the arrangements survive a write, korain-cli's dump, list and
// resave tests compare with reviewed files; here every block reads without a word.
TEST(ExampleDatabase, EveryBlockReadsWithoutAMessage) {
  const std::string bytes = exampleBytes();
  ShipData ship;
  const ShipDataReadResult shipResult = readShipDataFromBytes(bytes, "ship.ko2", ship);
  EXPECT_EQ(shipResult.status, ShipDataReadStatus::Read);
  EXPECT_TRUE(shipResult.complete);
  EXPECT_TRUE(shipResult.messages.empty()) << shipResult.messages.front().toString();
  EXPECT_TRUE(mainDataComplete(ship));
  const std::vector<BlockListEntry> blocks = listBlocks(bytes);
  ASSERT_EQ(blocks.size(), 4U);
  for (const BlockListEntry& block : blocks) {
    SCOPED_TRACE(block.Name);
    if (block.Kind == BlockKind::Zel) {
      ZelReadResult result;
      readBack(bytes, block.Position, &result);
      EXPECT_EQ(result.status, ZelReadStatus::Read);
      EXPECT_TRUE(result.messages.empty()) << result.messages.front().toString();
    } else {
      SectionReadResult result;
      readSectionText(bytes, block.Position, &result, Arrangements::Refuse);
      EXPECT_EQ(result.status, SectionReadStatus::Read);
      EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
    }
  }
}

// The section blocks are laid out exactly as the tests' writer lays a section out, so the layout
// of file-format.md, the writer and the example cannot drift apart; and the midship section's
// hold is the forward compartment of the bulkhead in block 1.
TEST(ExampleDatabase, SectionsAgreeWithTheWriterAndTheArrangement) {
  const std::string bytes = exampleBytes();
  const std::size_t third =
      bytes.find("------------------ BLOCK ------------------\r\n*\r\n 3 \r\n");
  ASSERT_NE(third, std::string::npos);
  const Section midship = readSectionText(bytes, 3);
  EXPECT_EQ(bytes.substr(third),
            sectionBlockText(midship, 3) + sectionBlockText(readSectionText(bytes, 4), 4));
  EXPECT_EQ(static_cast<const Compartment&>(midship.Compartments.at(1)),
            static_cast<const Compartment&>(readSectionText(bytes, 1).Compartments.at(1)));
}

}  // namespace
}  // namespace korain::testing
