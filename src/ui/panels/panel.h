// The protocol every panel of the panel area follows, and what they share: the
// title label, the editor around them, the refreshing flag set while they are
// filled, and the way their handlers hand changes to the session.
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
  // current object); with no bulkhead, every control is disabled and emptied.
  // No change handler runs meanwhile.
  void refresh();
  // Fills the panel's rows only (the stool controls of the bulkhead panel,
  // the list rows of a list panel).
  void refreshRows();

  virtual bool canAdd() const { return false; }
  virtual bool canRemove() const { return false; }
  virtual bool canInsert() const { return false; }
  // A message chosen in the list names an object that the model keeps no
  // selection for (the side of a compartment): the panel shows it.
  virtual void showSubject(const Message& /*message*/) {}
  // Runs a command of the Tools menu when the panel offers it, as one change
  // labelled by the command and the panel's kind ("Delete Node"). Delete asks
  // first, naming what it erases; answered No, nothing is changed at all.
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
  // What Remove erases, as the question names it: the object by the number
  // its list shows ("node 3"); empty when there is nothing to erase.
  virtual std::string erasedObject() const { return {}; }

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
  // Moves the selection of the current bulkhead (no change: nothing recorded),
  // then refreshes the panel, the menus and the drawing.
  void moveSelection(const std::function<void(Bulkhead&)>& move);
  // Asks the panel's removal question ("Are you sure to erase " + what + " ?");
  // false without asking when there is nothing to erase (`what` empty).
  bool confirmErase(const std::string& what);
  // Where the panel puts its controls, under the title.
  QVBoxLayout* body() { return body_; }

 private:
  bool offers(ItemCommand command) const;
  EditOutcome commandEdit(ItemCommand command, Arrangement& arrangement);

  Editor& editor_;
  PanelCode code_;
  SelectorUse selector_;
  QLabel* title_;
  QVBoxLayout* body_;
};

}  // namespace korain
