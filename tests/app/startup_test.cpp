// Start-up decisions: library versions, the database, its ".old" copy, the arrangement block.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <gtest/gtest.h>

#include "app_test_support.h"
#include "io/file_services.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {
namespace {

using testing::argumentsOf;
using testing::CurrentFolderGuard;
using testing::exampleDatabase;
using testing::readFile;
using testing::ScratchFolder;
using testing::ScriptedPrompt;
using testing::writeFile;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Every library reports its accepted version except the one replaced.
LibraryVersionSource versionsWith(Library replaced, LibraryVersion answer) {
  return [=](Library library) {
    return library == replaced ? answer : builtInLibraryVersion(library);
  };
}

TEST(LibraryCheck, FailureStopsWithMessage1052) {
  EXPECT_TRUE(checkLibraryVersions().proceed);
  StartupResult result = checkLibraryVersions(versionsWith(Library::BulkheadData, {0.442, {}}));
  ASSERT_FALSE(result.proceed);
  EXPECT_EQ(result.message,
            formatMessage(korainString(1052), {"GrKora Bulkhead Data", "0.442", "0.443",
                                               std::string(1, kMessageLineBreak)}));

  // A library that cannot be asked has no version, whatever it said.
  result = checkLibraryVersions(versionsWith(Library::Utilities, {3.8, "library not found"}));
  ASSERT_FALSE(result.proceed);
  for (const char* part : {"QXUtil32", "Unknown ver.", "3.73", "library not found\r"}) {
    EXPECT_TRUE(contains(result.message, part)) << result.message;
  }

  // The first failure ends the asking.
  std::vector<Library> asked;
  result = checkLibraryVersions([&](Library library) {
    asked.push_back(library);
    return LibraryVersion{1.0, {}};
  });
  EXPECT_TRUE(contains(result.message, "GrKora Data")) << result.message;
  EXPECT_EQ(asked, std::vector<Library>{Library::GeometryData});
}

TEST(Startup, SplashAndModes) {
  const std::pair<const char*, bool> cases[] = {
      {"ship.ko2 2", true}, {"/V ship.ko2", false}, {"/d", false}, {"/jbp /mil", true}};
  for (const auto& [line, splash] : cases) {
    const StartupState state = startupState(argumentsOf(line), "Korain");
    EXPECT_EQ(showsSplash(state), splash) << line;
    EXPECT_TRUE(state.Loading);
  }
  const StartupState state = startupState(argumentsOf("/jbp /mil"), "Korain");
  EXPECT_TRUE(state.JbpMode && state.NavalMode);
  EXPECT_EQ(state.applicationTitle, "Korain JBP MIL");
}

class DatabaseChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(database_, exampleDatabase());
    paths_.LastDatabase = paths_.DatabasePath = scratch_.file("last.ko2");
    writeFile(paths_.LastDatabase, exampleDatabase());
  }

  ScratchFolder scratch_;
  std::string database_ = scratch_.file("ship.ko2");
  PathConfig paths_;
  ScriptedPrompt prompt_;
};

TEST_F(DatabaseChoice, CommandLineElseLastDatabase) {
  for (const QStringList& arguments : {QStringList{}, QStringList{"/d"}, QStringList{"", "3"}}) {
    PathConfig paths = paths_;
    EXPECT_TRUE(chooseDatabase(parseArguments(arguments), paths, prompt_).proceed);
    EXPECT_EQ(paths.DatabasePath, paths_.LastDatabase);
    EXPECT_EQ(paths.ArrangementNumber, 0);  // a number needs a name before it
  }
  EXPECT_TRUE(chooseDatabase(argumentsOf(database_ + " 2"), paths_, prompt_).proceed);
  EXPECT_EQ(paths_.DatabasePath, database_);
  EXPECT_EQ(paths_.ArrangementNumber, 2);
  EXPECT_TRUE(prompt_.messages.empty() && prompt_.questions.empty());
}

TEST_F(DatabaseChoice, ARelativeNameIsTheFileWhereTheProgramWasStarted) {
  struct Case {
    std::string line, name;
  };
  for (const Case& c : {Case{"ship.ko2 2", database_}, Case{"./ship.ko2", database_},
                        Case{"gone.ko2 2", "gone.ko2"}, Case{database_, database_}, Case{"", ""}}) {
    CommandLine commandLine = argumentsOf(c.line);
    anchorDatabaseName(commandLine, scratch_.path());
    EXPECT_EQ(commandLine.databaseName(), c.name) << c.line;
  }
}

// A missing database is told with its name, and another asked for once: only a file
// chosen goes on, a cancel, a missing name or a folder end start-up silently.
TEST_F(DatabaseChoice, MissingDatabaseAsksForAnother) {
  const std::string gone = scratch_.file("gone.ko2");
  const std::optional<std::string> answers[] = {database_, std::nullopt, gone, scratch_.path()};
  for (const auto& answer : answers) {
    SCOPED_TRACE(answer.value_or("cancel"));
    PathConfig paths = paths_;
    ScriptedPrompt prompt;
    prompt.fileAnswers = {answer};
    const StartupResult result = chooseDatabase(argumentsOf(gone + " 4"), paths, prompt);
    EXPECT_EQ(result.proceed, answer == database_);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(paths.DatabasePath, answer == database_ ? database_ : gone);
    EXPECT_EQ(paths.ArrangementNumber, 4);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{formatMessage(korainString(1019)) +
                                                        kMessageLineBreak + gone});
    EXPECT_EQ(prompt.questions.size(), 1U);  // asked once only
  }
}

TEST_F(DatabaseChoice, OldCopyWhenBackupIsWanted) {
  paths_.DatabasePath = database_;
  paths_.MakeBackup = false;
  EXPECT_TRUE(makeStartupCopy(paths_).proceed);
  EXPECT_FALSE(fileExists(scratch_.file("ship.old")));
  writeFile(scratch_.file("ship.old"), "an older copy");
  paths_.MakeBackup = true;
  EXPECT_EQ(makeStartupCopy(paths_).message, "");
  EXPECT_EQ(readFile(scratch_.file("ship.old")), exampleDatabase());

  paths_.DatabasePath = scratch_.file("gone.ko2");
  const StartupResult failed = makeStartupCopy(paths_);
  EXPECT_TRUE(failed.proceed);  // a remark, not a reason to stop
  EXPECT_TRUE(contains(failed.message, "gone.old")) << failed.message;
}

TEST_F(DatabaseChoice, ArrangementBlock) {
  Arrangement arrangement;
  EXPECT_FALSE(readStartupArrangement(paths_, arrangement).has_value());
  paths_.ArrangementNumber = 1;
  const std::optional<ZelReadResult> found = readStartupArrangement(paths_, arrangement);
  ASSERT_TRUE(found.has_value() && found->found());
  EXPECT_GT(arrangement.Bulkheads.count(), 0);

  paths_.ArrangementNumber = 999;
  const std::optional<ZelReadResult> missing = readStartupArrangement(paths_, arrangement);
  ASSERT_TRUE(missing.has_value());
  EXPECT_FALSE(missing->messages.empty());  // the reader says why, for the message list
  EXPECT_EQ(paths_.ArrangementNumber, 0);
}

// Without a block number start-up makes a new arrangement; "--list", as the desktop's
// file manager opens a database, offers its arrangements instead, opening the only one.
// How the arguments are split into switches and names is the command line's test.
TEST(StartupArrangement, ANewArrangementUnlessTheListIsAskedFor) {
  const BlockListEntry section{1, "Frame 40", BlockKind::Section};
  const BlockListEntry torsion{2, "Torsion", BlockKind::Torsion};
  const BlockListEntry aft{3, "Aft bulkhead", BlockKind::Zel};
  const BlockListEntry fore{5, "Fore bulkhead", BlockKind::Zel};
  const std::vector<BlockListEntry> one{section, aft, torsion};
  const std::vector<BlockListEntry> two{aft, section, fore};
  struct Case {
    QStringList arguments;
    std::vector<BlockListEntry> blocks;
    Integer block;
    StartupEnd end;
  };
  const Case cases[] = {
      {{}, two, 0, StartupEnd::NewArrangement},  // the last database
      {{"ship.ko2"}, one, 0, StartupEnd::NewArrangement},
      {{"ship.ko2"}, two, 0, StartupEnd::NewArrangement},
      {{"ship.ko2", "5"}, two, 5, StartupEnd::Shown},
      {{"--list", "ship.ko2"}, {section, torsion}, 0, StartupEnd::NewArrangement},
      {{"--list", "ship.ko2"}, one, 3, StartupEnd::Shown},
      {{"--list", "ship.ko2"}, two, 0, StartupEnd::ArrangementList},
      {{"ship.ko2", "--LIST"}, two, 0, StartupEnd::ArrangementList},
      {{"--list"}, two, 0, StartupEnd::ArrangementList},  // the last database's
      {{"--list", "ship.ko2", "5"}, two, 5, StartupEnd::Shown},
      {{"--list", "ship.ko2", "none"}, two, 0, StartupEnd::NewArrangement},
  };
  for (const Case& c : cases) {
    const CommandLine commandLine = parseArguments(c.arguments);
    StartupState state;
    state.paths.ArrangementNumber = commandLine.arrangementNumber();
    settleStartupArrangement(commandLine, c.blocks, state);
    EXPECT_EQ(state.paths.ArrangementNumber, c.block) << c.arguments.join('|').toStdString();
    EXPECT_EQ(startupEnd(state), c.end) << c.arguments.join('|').toStdString();
  }
}

TEST_F(DatabaseChoice, TheArrangementsListedAreThoseOfTheDatabaseFile) {
  for (const auto& [file, end] :
       {std::pair{database_, StartupEnd::ArrangementList},
        std::pair{scratch_.file("gone.ko2"), StartupEnd::NewArrangement}}) {
    StartupState state;
    state.paths.DatabasePath = file;
    settleStartupArrangement(parseArguments({"--list", QString::fromStdString(file)}), state);
    EXPECT_EQ(startupEnd(state), end) << file;
  }
}

TEST(StartupFolders, DebugAndWorkingFolders) {
  CurrentFolderGuard restore;
  ScratchFolder config;
  ScratchFolder work;
  writeFile(config.ini(), "[Config]\nKora_Path=" + work.path() + "\n");
  ScriptedPrompt prompt;
  EXPECT_TRUE(enterDebugFolder(startupState({}, "K"), config.ini(), prompt).proceed);
  EXPECT_TRUE(prompt.messages.empty());

  const StartupState debug = startupState(argumentsOf("/D"), "K");
  EXPECT_EQ(enterDebugFolder(debug, config.ini(), prompt).message, "");
  EXPECT_EQ(prompt.messages,
            std::vector<std::string>{"Debug : change dir to exe dir : " + work.path()});
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), work.path()));
  // The family's default folder does not exist here: a remark, and start-up goes on.
  const StartupResult missing = enterDebugFolder(debug, work.file("none.ini"), prompt);
  EXPECT_TRUE(missing.proceed && contains(missing.message, "H:\\Exe\\KoraDev\\"));

  PathConfig paths;
  paths.DataPath = config.path();
  EXPECT_EQ(enterWorkingFolder(paths).message, "");
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), config.path()));
}

}  // namespace
}  // namespace korain
