// The main window's file commands: new, open, save, save as, export, and the
// question before unsaved changes are left.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "dialogs/fm_main_data.h"
#include "dialogs/fm_new_zel.h"
#include "dialogs/fm_save_as.h"
#include "dialogs/fm_sel_sec.h"
#include "drawing/fm_graph.h"
#include "import/section_import.h"
#include "main/fm_main.h"
#include "session_loading.h"
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
  Arrangement arrangement = dialog.arrangement();
  if (arrangement.Name.empty()) arrangement.Name = kNewArrangementName;
  arrangement.ID = generateId();
  arrangement.CurBulkhead = 0;
  session().startArrangement(std::move(arrangement), Origin::New);
  session().placeArrangement(session().database().DatabasePath, 0);
  session().findHullSection();
  initialiseView();
  // Listed after the first refresh, which empties the list.
  session().report(dialog.importMessages().texts());
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
  std::vector<std::string> unread;
  for (const FileMessage& message : read.messages) unread.push_back(message.toString());
  session().report(unread);
  return true;
}

bool FM_Main::save() {
  if (!session().hasArrangement()) return false;
  return runSave([](SaveWorkflow& workflow) { return workflow.save(); });
}

bool FM_Main::saveAs() {
  if (!session().hasArrangement()) return false;
  FM_SaveAs dialog(*this, QString::fromStdString(saveAsInitialName(session().arrangement().Name)),
                   this);
  if (dialog.exec() != QDialog::Accepted) return false;
  const bool saved =
      runSave([&](SaveWorkflow& workflow) { return workflow.saveAs(dialog.choice()); });
  // A new name shows even when the save did not happen.
  refreshCaption();
  return saved;
}

bool FM_Main::runSave(const std::function<bool(SaveWorkflow&)>& save) {
  class Progress : public SaveProgress {
   public:
    explicit Progress(FM_Main& window) : window_(window) {}
    void started(const std::string& status) override {
      window_.showStatus(status);
      QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    void finished() override {
      QApplication::restoreOverrideCursor();
      window_.showStatus({});
    }

   private:
    FM_Main& window_;
  } progress(*this);
  SaveWorkflow workflow(session(), prompt(), zelWriteContextNow(session().identification()),
                        &progress);
  if (!save(workflow)) return false;
  session().refresh(Follow::Menus);
  return true;
}

bool FM_Main::exportDrawing() { return graph_->exportDrawing(); }

}  // namespace korain
