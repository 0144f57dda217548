// Making a dialog's "&Ok" and "&Cancel" buttons with its refusal line.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ok_cancel.h"

#include "widgets/refusal_line.h"

namespace korain {

OkCancel makeOkCancel(QDialog& dialog) {
  auto* ok = new QPushButton("&Ok", &dialog);
  ok->setObjectName("BT_Ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", &dialog);
  cancel->setObjectName("BT_Cancel");
  auto* row = new QHBoxLayout;
  row->addWidget(new RefusalLine(dialog), 1);
  row->addWidget(ok);
  row->addWidget(cancel);
  return {ok, cancel, row};
}

}  // namespace korain
