// The protocol every panel of the panel area follows, and what they share: the
// title label, the editor around them, and the way their handlers hand changes
// and selection moves to the session.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <string>

#include "change_request.h"
#include "editor.h"
#include "messages/message.h"
#include "model/arrangement.h"
#include "model/selection.h"

namespace korain {

// Whether a panel edits the objects of one bulkhead, and so shows the
// bulkhead selector above it.
enum class SelectorUse : bool { Hidden, Shown };

// The commands of the Tools menu that act on the current panel.
enum class ItemCommand { Add, Remove, Insert };

class Panel : public QWidget {
  Q_OBJECT

 public:
  // `code` is the panel code the panel is shown for.
  Panel(Editor& editor, PanelCode code, SelectorUse selector, QWidget* parent = nullptr);

  PanelCode code() const { return code_; }
  bool showsBulkheadSelector() const { return selector_ == SelectorUse::Shown; }
  // The title label; written only when the text differs.
  void setTitle(const QString& title);

  // Fills every control from the model (the current bulkhead and the panel's
  // current object) as the session settled it, and writes nothing; with no
  // bulkhead, every control is disabled and emptied. The session's refresh
  // calls it, and no change handler runs meanwhile.
  void refresh();
  // Fills the panel's rows only (the stool controls of the bulkhead panel,
  // the list rows of a list panel).
  void refreshRows();

  // A message chosen in the list names an object that the model keeps no
  // selection for (the side of a compartment): the panel shows it.
  virtual void showSubject(const Message& /*message*/) {}
  // Runs a command of the Tools menu when the panel's offer holds it, as one
  // change labelled by the command and the panel's kind ("Delete Node").
  // Delete asks first, naming what it erases; answered No, nothing is changed.
  void runCommand(ItemCommand command);
  // The bulkheads a command can change: the current one, for the panels of
  // one bulkhead's objects.
  virtual EditScope scopeOf(ItemCommand command) const;

 protected:
  virtual void fillControls() = 0;
  virtual void fillRows() { fillControls(); }

  // The protocol's commands as edits, each returning what it has to tell:
  // Add appends an object and makes it current, Remove removes the current
  // one (once the user agreed), Insert puts a new one before the current one.
  virtual EditOutcome addItem(Arrangement& /*arrangement*/) { return {}; }
  virtual EditOutcome removeItem(Arrangement& /*arrangement*/) { return {}; }
  virtual EditOutcome insertItem(Arrangement& /*arrangement*/) { return {}; }

  Editor& editor() { return editor_; }
  Session& session() { return editor_.session(); }
  const Arrangement& arrangement() const { return editor_.session().arrangement(); }
  // The current bulkhead, none when the index lies outside the list.
  const Bulkhead* currentBulkhead() const;
  // The current bulkhead of the arrangement an edit receives.
  static Bulkhead& currentOf(Arrangement& arrangement);

  // A change handler's one way to the model: nothing while the panel is filled
  // or without a current bulkhead; otherwise the session records the change
  // under `label`, applies `edit` to the current bulkhead and refreshes as
  // `follow` says; what the edit tells is listed and acknowledged.
  void changeBulkhead(const std::string& label, const EditOf<Bulkhead>& edit,
                      Follow follow = kRefreshAll);
  // The selection as `move` makes it from the one shown and the current
  // bulkhead, handed to the session (no change: nothing recorded), which
  // refreshes the panel, the menus and the drawing; nothing while the panel
  // is filled or without a current bulkhead.
  void moveSelection(const std::function<void(Selection&, const Bulkhead&)>& move);
  // Asks the panel's removal question ("Are you sure to erase " + what + " ?");
  // false without asking when there is nothing to erase (`what` empty).
  bool confirmErase(const std::string& what);
  // Where the panel puts its controls, under the title.
  QVBoxLayout* body() { return body_; }

 private:
  EditOutcome commandEdit(ItemCommand command, Arrangement& arrangement);

  Editor& editor_;
  PanelCode code_;
  SelectorUse selector_;
  QLabel* title_;
  QVBoxLayout* body_;
};

}  // namespace korain
