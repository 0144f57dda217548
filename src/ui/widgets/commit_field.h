// A one-line text field that tells when the user has settled a changed value:
// on leaving the field or on Enter. Enter also moves the focus on, as the
// family's forms have always done.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace korain {

class CommitField : public QLineEdit {
  Q_OBJECT

 public:
  explicit CommitField(QWidget* parent = nullptr);

  // Shows a text from the model; it does not count as the user's change.
  void showText(const QString& text);
  // Puts back the text the model gave, dropping what the user typed since.
  void revert();
  // Settles a changed text now, as leaving the field would.
  void commitIfChanged();

 signals:
  // The user changed the text and left the field or pressed Enter.
  void committed();
  // Enter was pressed (after `committed` when the text had changed).
  void enterPressed();

 protected:
  // Undo and Escape belong to the field only while it holds an edit of its
  // own: then they put the model's text back; otherwise the key goes on to
  // the editor's Undo or the dialog's Cancel, and Redo always does.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // While the field has the focus it watches every click: one on a control of
  // its window that takes no focus (a tool button, the drawing) settles the
  // edit first, as leaving the field would, so that the click acts on what is
  // typed.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Whether losing the focus this way leaves the field (Tab, a click
  // elsewhere in its window), so that what was typed is settled.
  static bool leaves(const QFocusEvent& event);
  // Whether the text the user typed may go to the model; called before
  // `committed`.
  virtual bool settle() { return true; }
  // What follows a text that `settle` refused: by default the field goes
  // back to the model's text.
  virtual void refuse() { revert(); }
  // Called whenever the field shows a text from the model.
  virtual void textShown() {}
  // The text the model gave, or the one last committed.
  const QString& shownText() const { return shown_; }

 private:
  QString shown_;
};

// Settles the edit of the field that has the keyboard focus, if any: a command
// from a key or a tool, which takes no focus from the field, acts on what the
// user sees typed, not on the value before it.
void commitFocusedField();

}  // namespace korain
