// Saving the session's arrangement into its database as the user asks it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_workflow.h"

#include "io/database_save.h"
#include "io/file_replacement.h"
#include "io/file_services.h"
#include "session_loading.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_ids.h"
#include "text/text_utils.h"

namespace korain {
namespace {

constexpr char kSaveAsTitle[] = "Save DB as...";
constexpr char kDatabaseExtension[] = "ko2";

// Writes the bytes as the whole file, in one step.
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
  FileReplacement file(hostFileSystem(), path);
  return file.begin(error) && file.output().write(bytes, error) && file.commit({}, error);
}

}  // namespace

SaveWorkflow::SaveWorkflow(Session& session, Prompt& prompt, ZelWriteContext context,
                           SaveProgress* progress)
    : session_(session), prompt_(prompt), context_(std::move(context)), progress_(progress) {}

bool SaveWorkflow::save() {
  return restoreVanishedDatabase() &&
         write(session_.database().DatabasePath, session_.database().BlockNumber);
}

bool SaveWorkflow::saveAs(const SaveAsChoice& choice) {
  if (!restoreVanishedDatabase()) return false;
  Integer block = choice.block;
  std::string name = session_.arrangement().Name;
  if (!choice.replace) {
    name = std::string(trimmed(choice.name));
    if (name.empty()) return false;
    block = kAppendedBlock;
  }
  // The copy saved under another name is an arrangement of its own.
  session_.amend(EditScope::header(), [&name](Arrangement& a) {
    a.Name = name;
    a.ID = generateId();
  });
  return write(session_.database().DatabasePath, block);
}

bool SaveWorkflow::restoreVanishedDatabase() {
  const std::string& path = session_.database().DatabasePath;
  if (fileExists(path)) return true;
  if (session_.database().DatabaseCopy.empty()) {
    prompt_.showMessage(korainString(text_id::kDatabaseMissing) + kMessageLineBreak + path);
    return false;
  }
  const std::string question = formatMessage(
      "The database file '¤' no longer exists.²Write it again as it was read, "
      "with this bulkhead arrangement?",
      {path});
  if (prompt_.ask(question, Choices::YesNo) != Answer::Yes) return false;
  std::string error;
  if (writeWholeFile(path, session_.database().DatabaseCopy, error)) return true;
  prompt_.showMessage(formatMessage("Cannot write '¤': ¤", {path, error}));
  return false;
}

bool SaveWorkflow::write(std::string path, Integer blockNumber) {
  SaveRequest request;
  request.blockNumber = blockNumber;
  request.makeBackup = session_.run().paths.MakeBackup;
  request.context = context_;
  // A block always carries an identifier; one read without gets it now.
  session_.amend(EditScope::header(), [](Arrangement& a) {
    if (a.ID.empty()) a.ID = generateId();
  });
  for (;;) {
    request.database = path;
    // Saving under another name takes the rest of the database from the one opened.
    const std::string& opened = session_.database().DatabasePath;
    request.source = path == opened ? std::string() : opened;
    if (progress_)
      progress_->started(formatMessage(korainStatusString(text_id::kSavingStatus), {path}));
    Arrangement saved = session_.arrangement();
    const SaveResult result = saveArrangement(request, saved);
    if (progress_) progress_->finished();
    switch (result.status) {
      case SaveStatus::Saved:
        session_.placeArrangement(path, result.blockNumber);
        // A session that keeps a copy of its database for a vanished file keeps it current.
        if (!session_.database().DatabaseCopy.empty()) copyDatabase(session_);
        session_.markClean();
        if (!result.messages.empty()) prompt_.showMessage(messagesText(result.messages));
        return true;
      case SaveStatus::NothingToDo:
        return false;
      case SaveStatus::Failed:
        prompt_.showMessage(messagesText(result.messages));
        return false;
      case SaveStatus::ReadOnly: {
        prompt_.showMessage(messagesText(result.messages));
        const std::optional<std::string> other =
            prompt_.askFileName({.title = kSaveAsTitle,
                                 .filter = korainString(text_id::kDatabaseFilter),
                                 .defaultExtension = kDatabaseExtension,
                                 .initialName = path,
                                 .save = true});
        if (!other || other->empty()) return false;
        path = *other;
        break;
      }
    }
  }
}

}  // namespace korain
