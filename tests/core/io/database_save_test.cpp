// Saving into a database: the blocks around the saved one, the .bak copy, what
// the user set on the file (permissions, group, link), the temporary files,
// and a database left untouched by every kind of failure.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/database_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "faulty_file_system.h"
#include "io/block_list.h"
#include "io/file_replacement.h"
#include "io/text_file.h"
#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kPreamble[] =
    "* ship database\r\n------------------ BSD ------------------\r\n4\r\n";

// A block as the sibling program writes it, with two comment lines after its banner.
std::string otherBlock(int number, const std::string& keyword = "SECTION") {
  return "------------------ BLOCK ------------------\r\n* written by the sibling\r\n*\r\n " +
         std::to_string(number) + " \r\n" + keyword +
         "\r\n------------------ GENERAL DATA "
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

  SaveResult save(Integer n, bool backup) {
    SaveRequest request{.database = path_,
                        .blockNumber = n,
                        .makeBackup = backup,
                        .source = {},
                        .context = fixedContext()};
    Arrangement copy = arrangement_;
    return saveArrangement(request, copy, files_);
  }

  struct stat statusOf(const fs::path& path) const {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
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
  FaultyFileSystem files_;
};

TEST_F(DatabaseFile, TheSavedBlockTakesItsPlaceAndTheOthersKeepTheirsInOrder) {
  std::string five = kPreamble;
  std::string fiveCopied = kPreamble;
  for (int n = 1; n <= 5; ++n) {
    five += otherBlock(n);
    fiveCopied += copiedBlock(n);
  }
  std::string unfinished = kPreamble + otherBlock(1);
  unfinished.erase(unfinished.size() - 2);  // a last line without its line end
  // Runs of lines cross the reads of the buffer, and a block sits across them.
  std::string longPreamble = "* ship database\r\n";
  while (longPreamble.size() < 3'000'000)
    longPreamble += "* a line of the preamble, 0123456789\r\n";
  const struct {
    const char* what;
    std::string original;
    Integer block;
    Integer savedAs;
    std::string expected;
  } cases[] = {
      {"appended after the others", five, 6, 6, fiveCopied + zelText(arrangement_, 6)},
      {"appended as the next", five, kAppendedBlock, 6, fiveCopied + zelText(arrangement_, 6)},
      {"replaced between others",
       kPreamble + otherBlock(1) + zelText(sampleArrangement({}), 2) + otherBlock(3) +
           otherBlock(4),
       2, 2,
       kPreamble + copiedBlock(1) + zelText(arrangement_, 2) + copiedBlock(3) + copiedBlock(4)},
      {"a database's first block", kPreamble, 1, 1, kPreamble + zelText(arrangement_, 1)},
      {"after an unfinished last line", unfinished, 2, 2,
       kPreamble + copiedBlock(1) + zelText(arrangement_, 2)},
      {"runs longer than the read buffer",
       longPreamble + otherBlock(1) + zelText(sampleArrangement({}), 2) + otherBlock(3), 2, 2,
       longPreamble + copiedBlock(1) + zelText(arrangement_, 2) + copiedBlock(3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    write(c.original);
    const SaveResult result = save(c.block, false);
    ASSERT_EQ(result.status, SaveStatus::Saved);
    EXPECT_EQ(result.blockNumber, c.savedAs);
    EXPECT_EQ(read(path_), c.expected);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"ship.ko2"});
  }
}

// With links the previous file itself becomes the backup; without, it is copied.
TEST_F(DatabaseFile, TheBackupKeepsThePreviousContentPermissionsAndGroup) {
  const std::string original = kPreamble + otherBlock(1);
  // A group this user may give the file: any, for the superuser; else the user's own.
  const gid_t group = ::geteuid() == 0 ? 1 : ::getegid();
  for (const mode_t mode : {0600U, 0640U, 0664U}) {
    SCOPED_TRACE(mode);
    fs::remove(folder_ / "ship.bak");
    for (const bool withLinks : {true, false}) {  // the second replaces the first's backup
      write(original);
      ASSERT_EQ(::chown(path_.c_str(), static_cast<uid_t>(-1), group), 0);
      ASSERT_EQ(::chmod(path_.c_str(), mode), 0);
      files_.failing.clear();
      if (!withLinks) files_.failing.insert(FileCall::HardLink);
      const ino_t previous = statusOf(path_).st_ino;
      ASSERT_EQ(save(2, true).status, SaveStatus::Saved);
      EXPECT_EQ(read((folder_ / "ship.bak").string()), original);
      EXPECT_EQ(statusOf(folder_ / "ship.bak").st_ino == previous, withLinks);
      EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"ship.bak", "ship.ko2"}));
      for (const char* name : {"ship.ko2", "ship.bak"}) {
        const struct stat status = statusOf(folder_ / name);
        EXPECT_EQ(status.st_mode & 0777, mode) << name;
        EXPECT_EQ(status.st_gid, group) << name;
      }
    }
  }
}

// A save stopped after keeping its copy but before moving its new file in leaves the backup as
// a second name of the database.
TEST_F(DatabaseFile, ABackupThatIsTheDatabaseUnderASecondNameLeavesNoLinkBehind) {
  const std::string original = kPreamble + otherBlock(1);
  write(original);
  fs::create_hard_link(path_, folder_ / "ship.bak");
  ASSERT_EQ(save(2, true).status, SaveStatus::Saved);
  EXPECT_EQ(read((folder_ / "ship.bak").string()), original);
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"ship.bak", "ship.ko2"}));
}

TEST_F(DatabaseFile, ASaveThroughALinkUpdatesTheLinkedFileAndKeepsTheLink) {
  const std::string original = kPreamble + otherBlock(1);
  fs::create_directories(folder_ / "team");
  const fs::path real = folder_ / "team" / "ship.ko2";
  std::ofstream(real, std::ios::binary) << original;
  fs::remove(path_);
  fs::create_symlink(fs::path("team") / "ship.ko2", path_);
  ASSERT_EQ(save(2, true).status, SaveStatus::Saved);
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(read(real.string()), kPreamble + copiedBlock(1) + zelText(arrangement_, 2));
  EXPECT_EQ(read((folder_ / "team" / "ship.bak").string()), original);
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"ship.ko2", "team"}));
}

TEST_F(DatabaseFile, TheNewFileIsNamedAfterTheDatabaseAndTheFolderSyncedAfterTheMove) {
  write(kPreamble);
  ASSERT_EQ(save(1, false).status, SaveStatus::Saved);
  const std::string temporary = temporaryName(path_, files_.hostName(), files_.processId());
  EXPECT_NE(temporary.find("ship.ko2~korain~" + files_.hostName() + "~"), std::string::npos);
  EXPECT_EQ(files_.calls,
            (std::vector<std::string>{"createNew " + temporary, "rename " + temporary + " " + path_,
                                      "syncFolder " + folder_.string()}));
}

TEST_F(DatabaseFile, TemporariesOfCrashedSavesOnThisHostAreRemovedOthersStay) {
  write(kPreamble);
  const std::string host = files_.hostName();
  const std::vector<std::string> left = {
      "ship.ko2~korain~" + host + "~111.tmp",    // its process is gone
      "ship.bak~korain~" + host + "~112.tmp",    // the link of a backup, gone too
      "ship.ko2~korain~" + host + "~222.tmp",    // still saving
      "ship.ko2~korain~other-host~111.tmp",      // another machine's
      "other.ko2~korain~" + host + "~111.tmp"};  // another database's
  for (const std::string& name : left) std::ofstream(folder_ / name) << "partial";
  files_.running = [](long process) { return process == 222; };
  ASSERT_EQ(save(1, true).status, SaveStatus::Saved);
  std::vector<std::string> expected = {"other.ko2~korain~" + host + "~111.tmp", "ship.bak",
                                       "ship.ko2", "ship.ko2~korain~" + host + "~222.tmp",
                                       "ship.ko2~korain~other-host~111.tmp"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(filesInFolder(), expected);
}

TEST_F(DatabaseFile, AFailureAtAnyStepLeavesTheDatabaseAsItWas) {
  const std::string original = kPreamble + otherBlock(1) + zelText(sampleArrangement({}), 2);
  for (const FileCall call : {FileCall::OpenForReading, FileCall::CreateNew, FileCall::Write,
                              FileCall::Finish, FileCall::Rename}) {
    SCOPED_TRACE(static_cast<int>(call));
    write(original);
    files_.failing = {call};
    const SaveResult result = save(2, true);
    EXPECT_EQ(result.status, SaveStatus::Failed);
    ASSERT_EQ(result.messages.size(), 1U);
    const std::string& text = result.messages[0].text;
    EXPECT_TRUE(text.find("injected failure") != std::string::npos ||
                text.find("No space left") != std::string::npos)
        << text;
    EXPECT_EQ(read(path_), original);
    const std::vector<std::string> left = filesInFolder();
    EXPECT_EQ(std::count(left.begin(), left.end(), "ship.ko2"), 1);
    EXPECT_TRUE(std::none_of(left.begin(), left.end(),
                             [](const std::string& name) { return name.ends_with(".tmp"); }));
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

TEST_F(DatabaseFile, ANameTheCodePageCannotHoldIsSavedWithANote) {
  write(kPreamble);
  const struct {
    const char* name;
    const char* note;  // empty: none
  } cases[] = {{"Schott Ø €", ""}, {"Schott 船 🚢", "saved, but 2 character(s)"}};
  for (const auto& c : cases) {
    arrangement_.Name = c.name;
    const SaveResult result = save(kAppendedBlock, false);
    EXPECT_EQ(result.status, SaveStatus::Saved) << c.name;
    const std::string notes = messagesText(result.messages);
    EXPECT_EQ(notes.empty(), *c.note == '\0') << notes;
    EXPECT_NE(notes.find(c.note), std::string::npos) << notes;
  }
}

TEST_F(DatabaseFile, BlocksThatCannotBeNumberedOnOrAreNoArrangementAreNotSavedInto) {
  const struct {
    std::string original;
    Integer block;
    const char* message;  // a part of it
    int line;             // where the file goes wrong; 0 for its end
  } cases[] = {
      {kPreamble + otherBlock(1) + otherBlock(3) + otherBlock(4), 2, "numbered 1, 2, 3", 12},
      {kPreamble + otherBlock(2) + otherBlock(1), 3, "numbered 1, 2, 3", 4},
      {kPreamble + otherBlock(1) + otherBlock(2) + otherBlock(2), 3, "numbered 1, 2, 3", 20},
      {kPreamble + otherBlock(1) + otherBlock(2), 4, "would leave a gap", 0},
      {kPreamble + otherBlock(1) + zelText(sampleArrangement({}), 2), 1,
       "block 1 is a hull section", 4},
  };
  for (const auto& c : cases) {
    write(c.original);
    const SaveResult result = save(c.block, false);
    EXPECT_EQ(result.status, SaveStatus::Failed) << c.message;
    ASSERT_EQ(result.messages.size(), 1U) << c.message;
    EXPECT_NE(result.messages[0].text.find(c.message), std::string::npos)
        << result.messages[0].text;
    EXPECT_EQ(result.messages[0].line, c.line) << c.message;
    EXPECT_EQ(read(path_), c.original);
  }
  EXPECT_EQ(save(2, false).status, SaveStatus::Saved);
}

// The kind of block n is learnt only when the rewrite reaches it, with what
// came before already in the new file: the refusal takes that file away.
TEST_F(DatabaseFile, ABlockOfAnotherKindMetPartWayLeavesTheDatabaseAndItsFolderAsTheyWere) {
  std::string longRun;
  while (longRun.size() < 3'000'000) longRun += "* a comment between the blocks, 0123456789\r\n";
  const std::string before = kPreamble + zelText(sampleArrangement({}), 1) + longRun;
  const struct {
    std::string original;
    const char* message;
  } cases[] = {
      {before + otherBlock(2) + zelText(sampleArrangement({}), 3), "block 2 is a hull section"},
      {before + otherBlock(2, "TORSION"), "block 2 is torsion data"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    write(c.original);
    files_.calls.clear();
    const SaveResult result = save(2, true);
    EXPECT_EQ(result.status, SaveStatus::Failed);
    ASSERT_EQ(result.messages.size(), 1U);
    EXPECT_NE(result.messages[0].text.find(c.message), std::string::npos)
        << result.messages[0].text;
    // Its banner's line: found in the one pass, after the run was copied.
    EXPECT_EQ(result.messages[0].line, std::count(before.begin(), before.end(), '\n') + 1);
    EXPECT_EQ(read(path_), c.original);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"ship.ko2"});
    ASSERT_FALSE(files_.calls.empty());
    EXPECT_TRUE(files_.calls.front().starts_with("createNew ")) << files_.calls.front();
    EXPECT_EQ(files_.calls.size(), 1U);  // never renamed into place
  }
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
  ASSERT_EQ(saveArrangement(request, arrangement_, files_).status, SaveStatus::Saved);
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
