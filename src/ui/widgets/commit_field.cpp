#include "widgets/commit_field.h"

#include <QKeyEvent>

namespace korain {

CommitField::CommitField(QWidget* parent) : QLineEdit(parent) {}

void CommitField::showText(const QString& text) {
  if (this->text() != text) setText(text);
  setModified(false);
}

void CommitField::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  commitIfChanged();
  emit enterPressed();
  focusNextChild();
}

void CommitField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  commitIfChanged();
}

void CommitField::commitIfChanged() {
  if (!isModified()) return;
  settle();
  setModified(false);
  emit committed();
}

}  // namespace korain
