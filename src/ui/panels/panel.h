// The protocol every panel of the panel area follows, and what they share: the
// title label, the editor around them and the guard against change handlers
// running while the panel is filled.
#pragma once

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <string>

#include "editor.h"
#include "model/arrangement.h"
#include "model/codes.h"

namespace korain {

class Panel : public QWidget {
  Q_OBJECT

 public:
  // `code` is the panel code the panel is shown for; object panels show the
  // bulkhead selector above them, the display and check panels do not.
  Panel(Editor& editor, PanelCode code, bool showsSelector, QWidget* parent = nullptr);

  PanelCode code() const { return code_; }
  bool showsBulkheadSelector() const { return showsSelector_; }
  // The title label; written only when the text differs.
  void setTitle(const QString& title);

  // Fills every control from the model (the current bulkhead and the panel's
  // current object); with no bulkhead, every control is disabled and emptied.
  virtual void refreshControls() = 0;
  virtual bool canAdd() const { return false; }
  virtual bool canRemove() const { return false; }
  virtual bool canInsert() const { return false; }
  // Appends a new object and makes it current.
  virtual void addItem() {}
  // Asks, then removes the current object.
  virtual void removeItem() {}
  // Inserts a new object before the current one.
  virtual void insertItem() {}

 protected:
  Editor& editor() { return editor_; }
  Session& session() { return editor_.session(); }
  Arrangement& arrangement() { return editor_.session().arrangement(); }
  const Arrangement& arrangement() const { return editor_.session().arrangement(); }
  // The current bulkhead, none when the index lies outside the list.
  Bulkhead* currentBulkhead();
  const Bulkhead* currentBulkhead() const;
  // Where the panel puts its controls, under the title.
  QVBoxLayout* body() { return body_; }

  // A change handler's common start: nothing while the panel is filled;
  // otherwise the undo snapshot under `label`, then `change`, then the whole
  // refresh cycle.
  void changeWith(const std::string& label, const std::function<void()>& change);
  // Asks the panel's removal question ("Are you sure to erase " + what + " ?").
  bool confirmErase(const std::string& what);

 private:
  Editor& editor_;
  PanelCode code_;
  bool showsSelector_;
  QLabel* title_;
  QVBoxLayout* body_;
};

}  // namespace korain
