// Saving into a database: the blocks around the saved one, the .bak copy, and
// a database left untouched by every kind of failure.
#include "io/database_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "io/block_copy.h"
#include "io/block_list.h"
#include "io/text_file.h"
#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kPreamble[] =
    "* ship database\r\n------------------ BSD ------------------\r\n4\r\n";

// A block as the sibling program writes it, with two comment lines after its banner.
std::string otherBlock(int number) {
  return "------------------ BLOCK ------------------\r\n* written by the sibling\r\n*\r\n " +
         std::to_string(number) +
         " \r\nSECTION\r\n------------------ GENERAL DATA "
         "------------------\r\nFrame " +
         std::to_string(number) + "\r\n 1 2 3\r\n";
}

// The same block as it reads after a save: one marker line after the banner.
std::string copiedBlock(int number) {
  std::string block = otherBlock(number);
  block.erase(block.find("* written by the sibling\r\n"), 26);
  return block;
}

class DatabaseFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("korain-save-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "ship.ko2").string();
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  void write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

  std::string read(const std::string& path) const {
    std::string error;
    return readFileBytes(path, error).value_or("<unreadable>");
  }

  SaveResult save(Integer n, bool backup, SaveSteps* steps = nullptr) {
    SaveRequest request{.database = path_,
                        .blockNumber = n,
                        .makeBackup = backup,
                        .source = {},
                        .context = fixedContext()};
    Arrangement copy = arrangement_;
    if (steps) return saveArrangement(request, copy, *steps);
    return saveArrangement(request, copy);
  }

  std::vector<std::string> filesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
  std::string path_;
  Arrangement arrangement_ = sampleArrangement({.bulkheads = 1});
};

TEST_F(DatabaseFile, SavingANewArrangementAppendsItAfterTheOtherBlocks) {
  std::string original = kPreamble;
  std::string expected = kPreamble;
  for (int n = 1; n <= 5; ++n) {
    original += otherBlock(n);
    expected += copiedBlock(n);
  }
  write(original);
  ASSERT_EQ(save(6, false).status, SaveStatus::Saved);
  EXPECT_EQ(read(path_), expected + zelText(arrangement_, 6));
  EXPECT_EQ(filesInFolder(), std::vector<std::string>{"ship.ko2"});
}

TEST_F(DatabaseFile, ReplacingABlockKeepsTheOthersInPlaceAndInOrder) {
  write(kPreamble + otherBlock(1) + zelText(sampleArrangement({}), 2) + otherBlock(3) +
        otherBlock(4));
  ASSERT_EQ(save(2, false).status, SaveStatus::Saved);
  EXPECT_EQ(read(path_), kPreamble + copiedBlock(1) + zelText(arrangement_, 2) + copiedBlock(3) +
                             copiedBlock(4));
}

TEST_F(DatabaseFile, TheBackupKeepsThePreviousContent) {
  const std::string original = kPreamble + otherBlock(1);
  write(original);
  ASSERT_EQ(save(2, true).status, SaveStatus::Saved);
  EXPECT_EQ(read((folder_ / "ship.bak").string()), original);
  EXPECT_EQ(listBlocks(read(path_)).size(), 2U);
}

TEST_F(DatabaseFile, ARenumberingCopyChangesOnlyTheNumberLines) {
  const std::string file = kPreamble + otherBlock(1) + otherBlock(2) + otherBlock(3);
  LineCursor in(file);
  std::string out;
  copyPreamble(in, out);
  EXPECT_EQ(out, kPreamble);
  copyBlocks(in, out, 2, 2, 10);
  std::string expected = copiedBlock(2);
  expected.replace(expected.find(" 2 \r\n"), 5, " 12 \r\n");
  EXPECT_EQ(out, kPreamble + expected);
  EXPECT_EQ(countBlocks(file), 3);
  EXPECT_EQ(countBlocks(kPreamble + otherBlock(1) + "* " + otherBlock(2)), 1)
      << "a banner in a comment line is no banner";
}

// Fails the save at one of its file steps.
class FailingSteps : public SaveSteps {
 public:
  explicit FailingSteps(int failAt) : failAt_(failAt) {}
  bool readDatabase(const std::string& path, std::string& bytes, std::string& error) override {
    return step(1, error) && SaveSteps::readDatabase(path, bytes, error);
  }
  bool writeTemporary(const std::string& path, std::string_view bytes,
                      std::string& error) override {
    if (failAt_ == 2) {  // a disk that fills up half way
      std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
      error = "No space left on device";
      return false;
    }
    return SaveSteps::writeTemporary(path, bytes, error);
  }
  bool makeBackup(const std::string& path, std::string& error) override {
    return step(3, error) && SaveSteps::makeBackup(path, error);
  }
  bool replaceDatabase(const std::string& temporary, const std::string& database,
                       std::string& error) override {
    return step(4, error) && SaveSteps::replaceDatabase(temporary, database, error);
  }

 private:
  bool step(int number, std::string& error) const {
    if (number == failAt_) error = "injected failure";
    return number != failAt_;
  }
  int failAt_;
};

TEST_F(DatabaseFile, AFailureAtAnyStepLeavesTheDatabaseAsItWas) {
  const std::string original = kPreamble + otherBlock(1) + zelText(sampleArrangement({}), 2);
  for (int step = 1; step <= 4; ++step) {
    write(original);
    FailingSteps steps(step);
    const SaveResult result = save(2, true, &steps);
    EXPECT_EQ(result.status, SaveStatus::Failed) << "step " << step;
    ASSERT_EQ(result.messages.size(), 1U);
    const std::string& text = result.messages[0].text;
    EXPECT_TRUE(text.find("injected failure") != std::string::npos ||
                text.find("No space left") != std::string::npos)
        << text;
    EXPECT_EQ(read(path_), original) << "step " << step;
    const std::vector<std::string> left = filesInFolder();
    EXPECT_EQ(std::count(left.begin(), left.end(), "ship.ko2"), 1);
    EXPECT_TRUE(std::none_of(left.begin(), left.end(),
                             [](const std::string& name) { return name.ends_with(".tmp"); }))
        << "step " << step;
    fs::remove(folder_ / "ship.bak");
  }
}

TEST_F(DatabaseFile, AReadOnlyDatabaseIsReportedAndNotTouched) {
  const std::string original = kPreamble + otherBlock(1);
  write(original);
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const SaveResult result = save(2, false);
  EXPECT_EQ(result.status, SaveStatus::ReadOnly);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_NE(result.messages[0].text.find(path_), std::string::npos);
  fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(read(path_), original);
}

TEST_F(DatabaseFile, AMissingBlockToReplaceOrBlocksOutOfOrderAreNotSaved) {
  const std::string gap = kPreamble + otherBlock(1) + otherBlock(3) + otherBlock(4);
  write(gap);
  EXPECT_EQ(save(2, false).status, SaveStatus::Failed);
  EXPECT_EQ(read(path_), gap);
  const std::string swapped = kPreamble + otherBlock(2) + otherBlock(1);
  write(swapped);
  const SaveResult result = save(3, false);
  EXPECT_EQ(result.status, SaveStatus::Failed);
  EXPECT_NE(result.messages[0].text.find("would lose"), std::string::npos);
  EXPECT_EQ(read(path_), swapped);
}

TEST_F(DatabaseFile, TwoBlocksWithTheSameNumberAreNotSavedInto) {
  const std::string twice = kPreamble + otherBlock(1) + otherBlock(2) + otherBlock(2);
  write(twice);
  EXPECT_EQ(save(2, false).status, SaveStatus::Failed);
  EXPECT_EQ(read(path_), twice);
}

TEST_F(DatabaseFile, ALastLineWithoutItsLineEndKeepsTheNewBlockApart) {
  std::string unfinished = kPreamble + otherBlock(1);
  unfinished.erase(unfinished.size() - 2);
  write(unfinished);
  ASSERT_EQ(save(2, false).status, SaveStatus::Saved);
  EXPECT_EQ(read(path_), kPreamble + copiedBlock(1) + zelText(arrangement_, 2));
}

TEST_F(DatabaseFile, ADatabaseWithoutBlocksReceivesItsFirst) {
  write(kPreamble);
  ASSERT_EQ(save(1, false).status, SaveStatus::Saved);
  EXPECT_EQ(read(path_), kPreamble + zelText(arrangement_, 1));
}

TEST_F(DatabaseFile, AFolderThatDoesNotExistIsAClearFailure) {
  path_ = (folder_ / "missing" / "ship.ko2").string();
  const SaveResult result = save(1, true);
  EXPECT_EQ(result.status, SaveStatus::Failed);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages[0].file, path_);
}

TEST_F(DatabaseFile, SavingUnderAnotherNameTakesTheRestFromTheSource) {
  const std::string original = kPreamble + otherBlock(1);
  write(original);
  SaveRequest request{.database = (folder_ / "copy.ko2").string(),
                      .blockNumber = 2,
                      .makeBackup = true,
                      .source = path_,
                      .context = fixedContext()};
  ASSERT_EQ(saveArrangement(request, arrangement_).status, SaveStatus::Saved);
  EXPECT_EQ(read(request.database), kPreamble + copiedBlock(1) + zelText(arrangement_, 2));
  EXPECT_EQ(read(path_), original);
  EXPECT_FALSE(fs::exists(folder_ / "copy.bak"));
}

TEST(DatabaseSave, AnEmptyNameDoesNothing) {
  Arrangement arrangement;
  EXPECT_EQ(saveArrangement({}, arrangement).status, SaveStatus::NothingToDo);
}

}  // namespace
}  // namespace korain::testing
