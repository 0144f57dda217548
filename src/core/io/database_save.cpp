// Saving an arrangement into its database file through a new file beside it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/database_save.h"

#include "io/file_replacement.h"
#include "io/file_services.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_ids.h"

namespace korain {
namespace {

SaveResult failed(const std::string& file, int line, const std::string& text) {
  return {SaveStatus::Failed, {{file, line, "not saved: " + text}}, 0};
}

}  // namespace

SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement,
                           FileSystem& files) {
  const std::string& database = request.database;
  if (database.empty()) return {SaveStatus::NothingToDo, {}, 0};
  FileReplacement file(files, database);
  const std::string& target = file.target();
  if (files.identity(target) && !files.isWritable(target)) {
    return {SaveStatus::ReadOnly,
            {{database, 0, formatMessage(korainString(text_id::kDatabaseReadOnly), {database})}},
            0};
  }
  const std::string& source = request.source.empty() ? target : request.source;
  std::string error;
  std::unique_ptr<InputFile> input;
  if (files.identity(source)) {
    input = files.openForReading(source, error);
    if (!input) return failed(source, 0, "the database cannot be read: " + error);
  }
  if (!file.begin(error)) {
    return failed(database, 0, "the new file could not be written in its folder: " + error);
  }
  const RewriteResult written =
      rewriteDatabase(input.get(), file.output(), arrangement,
                      {.blockNumber = request.blockNumber, .context = request.context});
  if (!written.error.empty()) {
    return failed(written.line > 0 ? source : database, written.line, written.error);
  }
  const std::string backup = request.makeBackup ? withExtension(target, "bak") : std::string();
  if (!file.commit(backup, error)) return failed(database, 0, error);
  FileMessages notes;
  // The names as the file now holds them differ from those typed: the user is told.
  if (written.unmappableCharacters > 0) {
    notes.push_back({database, 0,
                     formatMessage("saved, but ¤ character(s) of its names or comments that the "
                                   "file's code page, Windows-1252, cannot hold were written as "
                                   "\"?\"",
                                   {written.unmappableCharacters})});
  }
  return {SaveStatus::Saved, std::move(notes), written.blockNumber};
}

SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement) {
  return saveArrangement(request, arrangement, hostFileSystem());
}

}  // namespace korain
