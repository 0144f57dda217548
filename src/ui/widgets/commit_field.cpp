// Telling when a field's changed value is settled, on leaving it or on Enter.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/commit_field.h"

#include <QApplication>
#include <QKeyEvent>

namespace korain {

CommitField::CommitField(QWidget* parent) : QLineEdit(parent) {}

void CommitField::showText(const QString& text) {
  shown_ = text;
  if (this->text() != text) {
    setText(text);
    // A name longer than the field shows its beginning, not its end.
    if (!hasFocus()) setCursorPosition(0);
  }
  setModified(false);
  textShown();
}

void CommitField::revert() { showText(shown_); }

bool CommitField::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
      event->setAccepted(key->matches(QKeySequence::Undo) && isModified());
      return true;
    }
    if (key->key() == Qt::Key_Escape && isModified()) {
      event->accept();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CommitField::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Undo) || (event->key() == Qt::Key_Escape && isModified())) {
    revert();
    return;
  }
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  commitIfChanged();
  // A refused text keeps the focus, to be mended where it was typed.
  if (isModified()) return;
  emit enterPressed();
  focusNextChild();
}

void CommitField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  QApplication::instance()->installEventFilter(this);
}

void CommitField::focusOutEvent(QFocusEvent* event) {
  QApplication::instance()->removeEventFilter(this);
  QLineEdit::focusOutEvent(event);
  if (leaves(*event)) commitIfChanged();
}

bool CommitField::leaves(const QFocusEvent& event) {
  // A popup opened over the field (its context menu, a menu of the window)
  // does not leave it, nor does its window losing the keyboard to another
  // window or closing: the field has the keys back when its window does, and
  // a window that closes is no place for a change to land.
  return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::ActiveWindowFocusReason;
}

bool CommitField::eventFilter(QObject* watched, QEvent* event) {
  // Only a click in the field's own window leaves it. A click on another
  // window (a tip, a popup) is not the field's to settle: what settling may
  // show or hide must not touch the window Qt is still delivering the click to.
  if (event->type() == QEvent::MouseButtonPress && watched != this && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == window()) {
    commitIfChanged();
  }
  return QLineEdit::eventFilter(watched, event);
}

void CommitField::commitIfChanged() {
  if (!isModified()) return;
  if (!settle()) {
    refuse();
    return;
  }
  // What is committed is what Undo in the field goes back to, whether or not
  // the change refills the field from the model.
  shown_ = text();
  setModified(false);
  emit committed();
}

void commitFocusedField() {
  if (auto* field = qobject_cast<CommitField*>(QApplication::focusWidget())) {
    field->commitIfChanged();
  }
}

}  // namespace korain
