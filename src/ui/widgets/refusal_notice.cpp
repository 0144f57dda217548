// Carrying a field's refusal up to the window that shows it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/refusal_notice.h"

#include <QCoreApplication>

namespace korain {

QEvent::Type RefusalNotice::type() {
  static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
  return registered;
}

void announceRefusal(QWidget& field, const QString& text) {
  RefusalNotice notice(text);
  for (QWidget* holder = field.parentWidget(); holder != nullptr; holder = holder->parentWidget()) {
    notice.ignore();
    if (QCoreApplication::sendEvent(holder, &notice) && notice.isAccepted()) return;
    if (holder->isWindow()) return;
  }
}

}  // namespace korain
