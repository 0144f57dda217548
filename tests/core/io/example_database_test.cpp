// The example database reads without a message and survives a write unchanged.
#include <gtest/gtest.h>

#include <algorithm>

#include "io/block_list.h"
#include "io/text_file.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

std::string exampleBytes() {
  std::string error;
  const auto bytes = readFileBytes(KORAIN_EXAMPLES "/bulk_carrier.ko2", error);
  EXPECT_TRUE(bytes) << error;
  return bytes.value_or("");
}

TEST(ExampleDatabase, EveryArrangementReadsCleanlyAndSurvivesAWrite) {
  const std::string bytes = exampleBytes();
  int arrangements = 0;
  for (const BlockListEntry& block : listBlocks(bytes)) {
    if (block.Kind != BlockKind::Zel) continue;
    ++arrangements;
    ZelReadResult result;
    const Arrangement read = readBack(bytes, block.Position, &result);
    EXPECT_EQ(result.status, ZelReadStatus::Read) << block.Name;
    EXPECT_TRUE(result.messages.empty()) << result.messages.front().toString();
    EXPECT_EQ(read.Name, block.Name);
    EXPECT_FALSE(read.Bulkheads.at(1).Compartments.at(1).Name.empty());
    const std::string written = zelText(read, block.Position);
    EXPECT_EQ(readBack(written, block.Position), read) << block.Name;
  }
  EXPECT_GE(arrangements, 2);
}

TEST(ExampleDatabase, HoldsAPlaneAndACorrugatedBulkheadWithArcsInTheirContours) {
  const std::string bytes = exampleBytes();
  bool plane = false;
  bool corrugated = false;
  for (const BlockListEntry& block : listBlocks(bytes)) {
    if (block.Kind != BlockKind::Zel) continue;
    for (const Bulkhead& b : readBack(bytes, block.Position).Bulkheads) {
      const bool hasArc = std::ranges::any_of(b.Nodes, [](const Node& n) { return n.ShCur >= 3; });
      EXPECT_TRUE(hasArc) << b.Name;
      plane = plane || (b.Typ == 0 && b.Stiffeners.count() > 0 && b.PrimaryMembers.count() > 0);
      corrugated = corrugated || (b.Typ == 2 && b.Corr.S1 > 0);
    }
  }
  EXPECT_TRUE(plane);
  EXPECT_TRUE(corrugated);
}

}  // namespace
}  // namespace korain::testing
