// The main window's file commands: new, open, save, save as, export, and the
// question before unsaved changes are left.
#include <QApplication>

#include "dialogs/fm_main_data.h"
#include "dialogs/fm_new_zel.h"
#include "dialogs/fm_save_as.h"
#include "dialogs/fm_sel_sec.h"
#include "drawing/fm_graph.h"
#include "io/block_copy.h"
#include "io/database_save.h"
#include "io/durable_file.h"
#include "io/file_services.h"
#include "io/text_file.h"
#include "main/fm_main.h"
#include "session_loading.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_utils.h"
#include "widgets/wait_cursor.h"
#include "write_context_now.h"

namespace korain {
namespace {

constexpr char kNewArrangementName[] = "New Bulkhead Arrangement";

}  // namespace

bool FM_Main::confirmSaveChanges() {
  return session().confirmSaveChanges(prompt(), [this] { return save(); }) == SaveDecision::Proceed;
}

bool FM_Main::newArrangement() {
  if (!confirmSaveChanges()) return false;
  return createArrangement(actions_.newArrangement->text());
}

bool FM_Main::createArrangement(const QString& menuCaption) {
  FM_NewZel dialog(*this, menuCaption, this);
  if (dialog.exec() != QDialog::Accepted) return false;
  Arrangement& arrangement = session().arrangement();
  if (arrangement.Name.empty()) arrangement.Name = kNewArrangementName;
  arrangement.ID = generateId();
  arrangement.CurBulkhead = 0;
  session().BlockNumber = 0;
  session().markNew();
  findHullSection(session());
  initialiseView();
  showMainData();
  return true;
}

bool FM_Main::openArrangement() {
  if (!confirmSaveChanges()) return false;
  FM_SelSec dialog(*this, QString::fromStdString(menuText(actions_.open->text().toStdString())),
                   this);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosenBlock()) return false;
  const ZelReadResult read = [&] {
    const WaitCursor waiting;
    return korain::openArrangement(session(), *dialog.chosenBlock());
  }();
  if (!read.found()) {
    prompt().showMessage(messagesText(read.messages));
    return false;
  }
  initialiseView();
  // What the reader could not take in stays listed with the geometry's messages.
  for (const FileMessage& message : read.messages) session().messages().add(message.toString());
  refreshMessageList();
  return true;
}

bool FM_Main::save() {
  if (!restoreVanishedDatabase()) return false;
  if (session().BlockNumber == 0) {
    const std::optional<Integer> appended = appendedBlockNumber();
    if (!appended) return false;
    session().BlockNumber = *appended;
  }
  if (!writeArrangement(session().DatabasePath, session().BlockNumber)) return false;
  session().markClean();
  refreshAll();
  return true;
}

bool FM_Main::saveAs() {
  Arrangement& arrangement = session().arrangement();
  FM_SaveAs dialog(*this, QString::fromStdString(saveAsInitialName(arrangement.Name)), this);
  if (dialog.exec() != QDialog::Accepted || !restoreVanishedDatabase()) return false;
  const SaveAsChoice choice = dialog.choice();
  Integer block = choice.block;
  if (!choice.replace) {
    const std::string name(trimmed(choice.name));
    const std::optional<Integer> appended = name.empty() ? std::nullopt : appendedBlockNumber();
    if (!appended) return false;
    arrangement.Name = name;
    block = *appended;
  }
  refreshCaption();
  arrangement.ID = generateId();
  if (!writeArrangement(session().DatabasePath, block)) return false;
  session().markClean();
  refreshAll();
  return true;
}

bool FM_Main::restoreVanishedDatabase() {
  const std::string& path = session().DatabasePath;
  if (fileExists(path)) return true;
  if (session().DatabaseCopy.empty()) {
    prompt().showMessage(korainString(text_id::kDatabaseMissing) + kMessageLineBreak + path);
    return false;
  }
  const std::string question = formatMessage(
      "The database file '¤' no longer exists.²Write it again as it was read, "
      "with this bulkhead arrangement?",
      {path});
  if (prompt().ask(question, Choices::YesNo) != Answer::Yes) return false;
  std::string error;
  if (writeFileDurably(path, session().DatabaseCopy, error)) return true;
  prompt().showMessage(formatMessage("Cannot write '¤': ¤", {path, error}));
  return false;
}

std::optional<Integer> FM_Main::appendedBlockNumber() {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(session().DatabasePath, error);
  if (!bytes) {
    prompt().showMessage(error);
    return std::nullopt;
  }
  return static_cast<Integer>(countBlocks(*bytes) + 1);
}

bool FM_Main::writeArrangement(std::string path, Integer blockNumber) {
  SaveRequest request;
  request.blockNumber = blockNumber;
  request.makeBackup = session().run.paths.MakeBackup;
  request.context = zelWriteContextNow(session().identification);
  for (;;) {
    request.database = path;
    // Saving under another name takes the rest of the database from the one opened.
    request.source = path == session().DatabasePath ? std::string() : session().DatabasePath;
    showStatus(formatMessage(korainStatusString(text_id::kSavingStatus), {path}));
    SaveResult result;
    {
      const WaitCursor waiting;
      result = saveArrangement(request, session().arrangement());
    }
    showStatus({});
    switch (result.status) {
      case SaveStatus::Saved:
        session().DatabasePath = path;
        session().BlockNumber = blockNumber;
        copyDatabase(session());
        return true;
      case SaveStatus::NothingToDo:
        return false;
      case SaveStatus::Failed:
        prompt().showMessage(messagesText(result.messages));
        return false;
      case SaveStatus::ReadOnly: {
        prompt().showMessage(messagesText(result.messages));
        const std::optional<std::string> other =
            prompt().askFileName({.title = "Save DB as...",
                                  .filter = korainString(text_id::kDatabaseFilter),
                                  .defaultExtension = "ko2",
                                  .initialName = path,
                                  .save = true});
        if (!other || other->empty()) return false;
        path = *other;
        break;
      }
    }
  }
}

bool FM_Main::exportDrawing() { return graph_->exportDrawing(); }

}  // namespace korain
