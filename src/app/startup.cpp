// The decisions of start-up: library versions, folders, the database and the arrangement to open.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "io/file_services.h"
#include "io/text_file.h"
#include "model/versions.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {
namespace {

constexpr std::string_view kDatabaseExtension = "ko2";
constexpr std::string_view kStartupCopyExtension = "old";
constexpr std::string_view kDebugFolderMessage = "Debug : change dir to exe dir : ";

// The stand-ins for the utility and ship-data libraries report the oldest
// versions the program accepts, which is what the parts of Korain replacing
// them provide.
constexpr Single kUtilitiesVersion = 3.73F;
constexpr Single kShipDataVersion = 5.0F;

const std::array<LibraryRule, 4> kLibraryRules = {{
    {Library::GeometryData, "GrKora Data", kGeometryDataVersion, true},
    {Library::BulkheadData, "GrKora Bulkhead Data", kZelVersion, true},
    {Library::Utilities, "QXUtil32", kUtilitiesVersion, false},
    {Library::ShipData, "BsdKora", kShipDataVersion, false},
}};

// The libraries give their versions as Singles; comparing at that precision
// makes a reported 2.002 equal to the rule's 2.002.
bool meetsRule(double found, const LibraryRule& rule) {
  if (!std::isfinite(found) || std::abs(found) > std::numeric_limits<Single>::max()) return false;
  const auto version = static_cast<Single>(found);
  return rule.exact ? version == rule.accepted : version >= rule.accepted;
}

StartupResult folderRemark(const std::string& path, const std::string& error) {
  return StartupResult::goOn("Cannot make " + path + " the current folder: " + error);
}

// Only "--list" without a block number leaves the arrangement to choose; a database named
// alone gets a new arrangement, as any start without a block number does.
bool leavesArrangementOpen(const CommandLine& commandLine) {
  return commandLine.ListMode && commandLine.arguments.size() <= 1;
}

}  // namespace

StartupState startupState(const CommandLine& commandLine, std::string_view baseTitle) {
  StartupState state;
  state.DebugMode = commandLine.DebugMode;
  state.NavalMode = commandLine.NavalMode;
  state.JbpMode = commandLine.JbpMode;
  state.TollanMode = commandLine.TollanMode;
  state.Loading = true;
  state.applicationTitle = applicationTitle(baseTitle, commandLine);
  return state;
}

bool showsSplash(const StartupState& state) { return !state.DebugMode && !state.TollanMode; }

StartupResult enterDebugFolder(const StartupState& state, const std::string& iniPath,
                               Prompt& prompt) {
  if (!state.DebugMode) return StartupResult::goOn();
  const std::string folder = readDebugFolder(iniPath);
  prompt.showMessage(std::string(kDebugFolderMessage) + folder);
  std::string error;
  if (!changeFolder(folder, error)) return folderRemark(folder, error);
  return StartupResult::goOn();
}

const std::array<LibraryRule, 4>& libraryRules() { return kLibraryRules; }

LibraryVersion builtInLibraryVersion(Library library) {
  for (const LibraryRule& rule : kLibraryRules) {
    if (rule.library == library) return {static_cast<double>(rule.accepted), {}};
  }
  return {0, "unknown library"};
}

StartupResult checkLibraryVersions(const LibraryVersionSource& source) {
  for (const LibraryRule& rule : kLibraryRules) {
    LibraryVersion found = source(rule.library);
    // A library that could not be asked has no version, whatever it said.
    if (!found.error.empty()) found.version = 0;
    if (found.error.empty() && meetsRule(found.version, rule)) continue;
    return StartupResult::stop(formatMessage(
        korainString(text_id::kLibraryVersionMessage),
        {rule.name, versionText(found.version), versionText(static_cast<double>(rule.accepted)),
         found.error + kMessageLineBreak}));
  }
  return StartupResult::goOn();
}

void anchorDatabaseName(CommandLine& commandLine, const std::string& launchFolder) {
  if (commandLine.arguments.empty()) return;
  std::string& name = commandLine.arguments.front();
  const std::filesystem::path given(name);
  if (name.empty() || given.is_absolute()) return;
  const std::filesystem::path anchored = std::filesystem::path(launchFolder) / given;
  if (fileExists(anchored.string())) name = anchored.lexically_normal().string();
}

StartupResult enterWorkingFolder(const PathConfig& paths) {
  std::string error;
  if (!changeFolder(paths.DataPath, error)) return folderRemark(paths.DataPath, error);
  return StartupResult::goOn();
}

StartupResult chooseDatabase(const CommandLine& commandLine, PathConfig& paths, Prompt& prompt) {
  if (const std::string name = commandLine.databaseName(); !name.empty()) {
    paths.DatabasePath = name;
    paths.ArrangementNumber = commandLine.arrangementNumber();
  }
  if (fileExists(paths.DatabasePath)) return StartupResult::goOn();

  // The name looked for, so that a mistyped one or a folder shows as such.
  std::string message = formatMessage(korainString(text_id::kDatabaseNotFoundMessage));
  if (!paths.DatabasePath.empty()) message += kMessageLineBreak + paths.DatabasePath;
  prompt.showMessage(message);
  const std::optional<std::string> chosen =
      prompt.askFileName({.title = std::string(kSelectDatabaseTitle),
                          .filter = korainString(text_id::kDatabaseFilter),
                          .defaultExtension = std::string(kDatabaseExtension),
                          .initialName = {},
                          .save = false});
  if (!chosen || !fileExists(*chosen)) return StartupResult::stop();
  paths.DatabasePath = *chosen;
  return StartupResult::goOn();
}

StartupResult makeStartupCopy(const PathConfig& paths) {
  if (!paths.MakeBackup) return StartupResult::goOn();
  std::string error;
  if (backupCopy(paths.DatabasePath, kStartupCopyExtension, error)) return StartupResult::goOn();
  return StartupResult::goOn("Cannot copy the database to " +
                             withExtension(paths.DatabasePath, kStartupCopyExtension) + ": " +
                             error);
}

std::optional<ZelReadResult> readStartupArrangement(PathConfig& paths, Arrangement& arrangement) {
  if (paths.ArrangementNumber <= 0) {
    paths.ArrangementNumber = 0;
    return std::nullopt;
  }
  ZelReadResult result = readZelBlock(paths.DatabasePath, paths.ArrangementNumber, arrangement);
  if (!result.found()) paths.ArrangementNumber = 0;
  return result;
}

void settleStartupArrangement(const CommandLine& commandLine,
                              const std::vector<BlockListEntry>& blocks, StartupState& state) {
  if (!leavesArrangementOpen(commandLine)) return;
  std::vector<Integer> arrangements;
  for (const BlockListEntry& block : blocks) {
    if (block.Kind == BlockKind::Zel) arrangements.push_back(block.Position);
  }
  if (arrangements.size() == 1) state.paths.ArrangementNumber = arrangements.front();
  state.ListsArrangements = arrangements.size() > 1;
}

void settleStartupArrangement(const CommandLine& commandLine, StartupState& state) {
  // Most starts name their block: the database is then not read twice.
  if (!leavesArrangementOpen(commandLine)) return;
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(state.paths.DatabasePath, error);
  settleStartupArrangement(commandLine, bytes ? listBlocks(*bytes) : std::vector<BlockListEntry>{},
                           state);
}

StartupEnd startupEnd(const StartupState& state) {
  if (state.ListsArrangements) return StartupEnd::ArrangementList;
  return state.paths.ArrangementNumber == 0 ? StartupEnd::NewArrangement : StartupEnd::Shown;
}

}  // namespace korain
