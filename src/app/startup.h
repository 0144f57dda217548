// The decisions of start-up, each one a plain function that the editor calls between its windows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "command_line.h"
#include "configuration.h"
#include "io/block_list.h"
#include "io/zel_reader.h"
#include "model/arrangement.h"
#include "prompt.h"

namespace korain {

// The title of every file chooser that asks for a ship database.
inline constexpr std::string_view kSelectDatabaseTitle = "Select database";

// What start-up knows for the whole run. The mode flags come from the command
// line and never change afterwards; the session takes this over once the main
// window stands.
struct StartupState {
  bool DebugMode = false;
  bool NavalMode = false;
  bool JbpMode = false;
  bool TollanMode = false;
  bool Loading = false;  // from the first step until the main window is ready
  // The database's arrangements are offered to choose from once the main window stands.
  bool ListsArrangements = false;
  std::string applicationTitle;
  PathConfig paths;  // with DatabasePath and ArrangementNumber once chosen
};

// The modes and the title of a run. Loading is set.
StartupState startupState(const CommandLine& commandLine, std::string_view baseTitle);

// Whether a start-up step lets start-up go on. A stop with an empty message
// ends the program silently; a message on going on is a remark worth showing.
struct StartupResult {
  bool proceed = true;
  std::string message;

  static StartupResult goOn(std::string remark = {}) { return {true, std::move(remark)}; }
  static StartupResult stop(std::string reason = {}) { return {false, std::move(reason)}; }
};

// No splash screen for a run driven from outside or a debug run.
bool showsSplash(const StartupState& state);

// In debug mode the program works in the folder named in the configuration file:
// the user is told so, and it is made current. Nothing happens otherwise.
StartupResult enterDebugFolder(const StartupState& state, const std::string& iniPath,
                               Prompt& prompt);

// The libraries whose versions start-up checks, in the order it asks them.
enum class Library { GeometryData, BulkheadData, Utilities, ShipData };

struct LibraryRule {
  Library library;
  std::string_view name;  // as the user sees it
  Single accepted;
  bool exact;  // the version must be this one; otherwise this one or a later one
};

const std::array<LibraryRule, 4>& libraryRules();

// A library's answer: its version, or why it could not be asked.
struct LibraryVersion {
  double version = 0;
  std::string error;
};

using LibraryVersionSource = std::function<LibraryVersion(Library)>;

// The versions this program's own layers report for the parts that stand in
// for the family's libraries.
LibraryVersion builtInLibraryVersion(Library library);

// Asks each library in turn; the first one that cannot be asked or does not
// meet its rule stops start-up with message 1052.
StartupResult checkLibraryVersions(const LibraryVersionSource& source = builtInLibraryVersion);

// A database named on the command line by a relative name means the file in the folder the
// program was started from, where the user typed it; once the working folder is current the same
// name would point elsewhere. A name with no such file there is left to the working folder.
void anchorDatabaseName(CommandLine& commandLine, const std::string& launchFolder);

// Makes the configured data folder current.
StartupResult enterWorkingFolder(const PathConfig& paths);

// Settles the database to edit: the command line's file with its block number,
// otherwise the last database. When that file does not exist the user is told
// (message 1019, with the name looked for) and asked for another; a cancelled
// question or a name that does not exist either stops start-up without a
// further message.
StartupResult chooseDatabase(const CommandLine& commandLine, PathConfig& paths, Prompt& prompt);

// With MakeBackup, the database is copied to the same name with the extension
// "old". A copy that fails does not stop start-up; its reason is the remark.
StartupResult makeStartupCopy(const PathConfig& paths);

// Reads the arrangement block named by ArrangementNumber into the arrangement.
// Nothing is read when the number is 0; when the block is not found, the number
// becomes 0, so that start-up goes on with a new arrangement. The reader's
// result carries its messages for the message list.
std::optional<ZelReadResult> readStartupArrangement(PathConfig& paths, Arrangement& arrangement);

// With "--list" and no block number, as the desktop's file manager opens a database, the
// database start-up settled on offers its arrangements rather than a new one: the only one
// becomes ArrangementNumber, so that it is read, and several are left to the user to choose
// from (ListsArrangements). A database without arrangements, a block number or a start
// without "--list" leave start-up as it was: without a block number, a new arrangement.
void settleStartupArrangement(const CommandLine& commandLine,
                              const std::vector<BlockListEntry>& blocks, StartupState& state);
// The same with the blocks of DatabasePath; a file that cannot be read has none.
void settleStartupArrangement(const CommandLine& commandLine, StartupState& state);

// What start-up does once the main window shows what was read.
enum class StartupEnd { Shown, NewArrangement, ArrangementList };

StartupEnd startupEnd(const StartupState& state);

}  // namespace korain
