// Showing a field's refusal on its dialog's line until the field takes it back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/refusal_line.h"

#include "widgets/refusal_notice.h"

namespace korain {
namespace {

// The colour of a refusal: it must catch the eye at the foot of the dialog.
const QColor kRefusalColour(170, 0, 0);

}  // namespace

RefusalLine::RefusalLine(QDialog& dialog) : QLabel(&dialog) {
  setObjectName("LB_Refusal");
  setWordWrap(true);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, kRefusalColour);
  setPalette(colours);
  dialog.installEventFilter(this);
}

bool RefusalLine::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != RefusalNotice::type()) return QLabel::eventFilter(watched, event);
  setText(static_cast<RefusalNotice*>(event)->text());
  event->accept();
  return true;
}

}  // namespace korain
