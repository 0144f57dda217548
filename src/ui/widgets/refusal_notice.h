// A field's word that it refused what was typed, carried up to the window
// whose status line shows it: the main window, also for a field of a dialog
// opened over it. An empty text takes the word back.
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

// Offers the notice to `field`'s parents in turn, across dialogs to the
// windows they were opened from, until one takes it.
void announceRefusal(QWidget& field, const QString& text);

}  // namespace korain
