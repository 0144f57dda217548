// A field's word that it refused what was typed, carried up to the window it
// belongs to, whose status line shows it: the main window for a panel's field,
// the dialog itself for a dialog's. An empty text takes the word back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QString>
#include <QWidget>
#include <utility>

namespace korain {

class RefusalNotice : public QEvent {
 public:
  explicit RefusalNotice(QString text) : QEvent(type()), text_(std::move(text)) {}
  static QEvent::Type type();
  const QString& text() const { return text_; }

 private:
  QString text_;
};

// Offers the notice to `field`'s parents in turn, up to its window, until one
// takes it. A dialog's refusal never reaches the window it was opened from:
// behind a modal dialog nobody reads it.
void announceRefusal(QWidget& field, const QString& text);

}  // namespace korain
