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
  for (QWidget* window = field.parentWidget(); window != nullptr;
       window = window->parentWidget()) {
    notice.ignore();
    if (QCoreApplication::sendEvent(window, &notice) && notice.isAccepted()) return;
  }
}

}  // namespace korain
