// The save workflow over a session and scripted answers: another name for a
// read-only database, a vanished database written again only when asked, a
// hull section left in place by Save and Save As, and the block a new
// arrangement takes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_workflow.h"

#include <filesystem>

#include "app_test_support.h"
#include "io/block_list.h"
#include "io/zel_reader.h"

namespace korain::testing {
namespace {

class SaveWorkflowTest : public ExampleSessionTest {
 protected:
  void SetUp() override {
    ExampleSessionTest::SetUp();
    changeRun(session_, [](StartupState& run) { run.paths.MakeBackup = false; });
    changeFirstBulkhead(
        session_, [](Bulkhead& b) { b.Name = "Renamed"; }, Follow::Nothing);
  }

  bool save() { return SaveWorkflow(session_, prompt_, {}).save(); }
  bool saveAs(SaveAsChoice choice) { return SaveWorkflow(session_, prompt_, {}).saveAs(choice); }

  std::string bulkheadName(const std::string& path, Integer block) const {
    Arrangement read;
    EXPECT_TRUE(readZelBlock(path, block, read).found()) << path << " block " << block;
    return read.Bulkheads.count() > 0 ? read.Bulkheads.at(1).Name : "";
  }
};

TEST_F(SaveWorkflowTest, AReadOnlyDatabaseIsSavedUnderTheNameGivenOrNotAtAll) {
  std::filesystem::permissions(database_, std::filesystem::perms::owner_read);
  EXPECT_FALSE(save());
  EXPECT_NE(prompt_.messages.at(0).find("read-only"), std::string::npos);
  EXPECT_TRUE(session_.hasUnsavedChanges());

  const std::string other = scratch_.file("copy.ko2");
  prompt_.fileAnswers = {other};
  EXPECT_TRUE(save());
  EXPECT_EQ(readFile(database_), exampleDatabase());
  EXPECT_EQ(session_.database().DatabasePath, other);
  EXPECT_EQ(bulkheadName(other, 1), "Renamed");
  EXPECT_FALSE(session_.hasUnsavedChanges());
}

TEST_F(SaveWorkflowTest, AVanishedDatabaseIsWrittenAgainOnlyWhenAsked) {
  std::filesystem::remove(database_);
  prompt_.answers = {Answer::No};
  EXPECT_FALSE(save());
  EXPECT_NE(prompt_.messages.at(0).find("ship.ko2"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(database_));

  prompt_.answers = {Answer::Yes};
  EXPECT_TRUE(save());
  EXPECT_EQ(bulkheadName(database_, 1), "Renamed");
  EXPECT_EQ(countBlocks(readFile(database_)), countBlocks(exampleDatabase()));

  // Without a copy there is nothing to write again: a message, nothing asked.
  std::filesystem::remove(database_);
  session_.keepDatabaseCopy({});
  prompt_.messages.clear();
  EXPECT_FALSE(save());
  EXPECT_EQ(prompt_.messages.size(), 1U);
  EXPECT_FALSE(std::filesystem::exists(database_));
}

TEST_F(SaveWorkflowTest, NeitherSaveNorSaveAsOverwritesAHullSection) {
  // Another program has put the example's midship section where the block was.
  session_.placeArrangement(session_.database().DatabasePath, 3);
  EXPECT_FALSE(save());
  // A list read before that change may still offer the block to Save As.
  EXPECT_FALSE(saveAs({.replace = true, .block = 3, .name = {}}));
  ASSERT_EQ(prompt_.messages.size(), 2U);
  for (const std::string& message : prompt_.messages) {
    EXPECT_NE(message.find("block 3 is a hull section"), std::string::npos) << message;
  }
  EXPECT_EQ(readFile(database_), exampleDatabase());
  EXPECT_TRUE(session_.hasUnsavedChanges());
}

TEST_F(SaveWorkflowTest, ANewArrangementGoesAfterTheLastBlockOfAnyKind) {
  const int blocks = countBlocks(exampleDatabase());
  const std::string id = session_.arrangement().ID;
  EXPECT_TRUE(saveAs({.replace = false, .block = 0, .name = "  Copy  "}));
  EXPECT_EQ(session_.database().BlockNumber, blocks + 1);
  EXPECT_EQ(bulkheadName(database_, 1), "Plane bulkhead holds 3/4");
  EXPECT_EQ(session_.arrangement().Name, "Copy");
  EXPECT_NE(session_.arrangement().ID, id);

  EXPECT_TRUE(saveAs({.replace = true, .block = 2, .name = {}}));
  EXPECT_EQ(session_.database().BlockNumber, 2);
  EXPECT_EQ(bulkheadName(database_, 2), "Renamed");
  EXPECT_EQ(countBlocks(readFile(database_)), blocks + 1);
}

}  // namespace
}  // namespace korain::testing
