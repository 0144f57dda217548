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
  commitIfChanged();
}

bool CommitField::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched != this && watched->isWidgetType()) {
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
