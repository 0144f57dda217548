// Saving an arrangement into its database file through a temporary file and an atomic rename.
#include "io/database_save.h"

#include <filesystem>

#include "io/block_copy.h"
#include "io/block_framing.h"
#include "io/durable_file.h"
#include "io/file_services.h"
#include "io/text_file.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {
namespace fs = std::filesystem;

bool SaveSteps::isReadOnly(const std::string& path) {
  std::error_code code;
  const fs::file_status status = fs::status(path, code);
  if (code || !fs::exists(status)) return false;
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (status.permissions() & kWrite) == fs::perms::none;
}

bool SaveSteps::readDatabase(const std::string& path, std::string& bytes, std::string& error) {
  std::optional<std::string> read = readFileBytes(path, error);
  if (!read) return false;
  bytes = std::move(*read);
  return true;
}

bool SaveSteps::writeTemporary(const std::string& path, std::string_view bytes,
                               std::string& error) {
  return writeFileDurably(path, bytes, error);
}

bool SaveSteps::makeBackup(const std::string& path, std::string& error) {
  return backupCopy(path, "bak", error);
}

bool SaveSteps::replaceDatabase(const std::string& temporary, const std::string& database,
                                std::string& error) {
  return moveFile(temporary, database, error);
}

void SaveSteps::removeTemporary(const std::string& path) { deleteFile(path); }

std::string databaseWithBlock(std::string_view current, Arrangement& arrangement,
                              Integer blockNumber, const ZelWriteContext& context,
                              std::string& error) {
  const int blocks = countBlocks(current);
  LineCursor in(current);
  if (blockNumber <= blocks && !findBlock(in, blockNumber, "")) {
    error = "block " + std::to_string(blockNumber) + " to replace is not in the file";
    return {};
  }
  in.seek({});
  std::string out;
  out.reserve(current.size() + (1 << 16));
  copyPreamble(in, out);
  copyBlocks(in, out, 1, blockNumber - 1, 0);
  // A file whose last line has no line end must not glue the new banner onto it.
  if (!out.empty() && out.back() != '\n') out.append("\r\n");
  writeZelBlock(out, arrangement, blockNumber, context);
  copyBlocks(in, out, blockNumber + 1, -1, 0);
  // Blocks numbered out of order could slip past the two copies; a save that
  // would drop one is refused rather than written.
  const int expected = blockNumber <= blocks ? blocks : blocks + 1;
  if (countBlocks(out) != expected) {
    error = "the blocks of the file are not numbered 1, 2, 3 ... in order; saving block " +
            std::to_string(blockNumber) + " would lose or repeat some of them";
    return {};
  }
  return out;
}

namespace {

SaveResult failed(const std::string& file, std::string text) {
  return {SaveStatus::Failed, {{file, 0, std::move(text)}}};
}

}  // namespace

SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement, SaveSteps& steps) {
  const std::string& database = request.database;
  if (database.empty()) return {SaveStatus::NothingToDo, {}};
  if (steps.isReadOnly(database)) {
    return {SaveStatus::ReadOnly,
            {{database, 0, formatMessage(korainString(text_id::kDatabaseReadOnly), {database})}}};
  }
  const std::string& source = request.source.empty() ? database : request.source;
  std::string current;
  std::string error;
  if (fileExists(source) && !steps.readDatabase(source, current, error)) {
    return failed(source, "cannot be read: " + error);
  }
  const std::string bytes =
      databaseWithBlock(current, arrangement, request.blockNumber, request.context, error);
  if (bytes.empty()) return failed(source, "not saved: " + error);

  const std::string folder = fs::path(database).parent_path().string();
  const std::string temporary = tempFileName(folder.empty() ? "." : folder);
  if (!steps.writeTemporary(temporary, bytes, error)) {
    steps.removeTemporary(temporary);
    return failed(database, "not saved: the new file could not be written in its folder: " + error);
  }
  if (request.makeBackup && fileExists(database) && !steps.makeBackup(database, error)) {
    steps.removeTemporary(temporary);
    return failed(database, "not saved: the .bak copy could not be made: " + error);
  }
  if (!steps.replaceDatabase(temporary, database, error)) {
    steps.removeTemporary(temporary);
    return failed(database, "not saved: the file could not be replaced: " + error);
  }
  return {SaveStatus::Saved, {}};
}

SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement) {
  SaveSteps steps;
  return saveArrangement(request, arrangement, steps);
}

}  // namespace korain
