// The "&Ok" and "&Cancel" buttons at the foot of the family's dialogs, with the
// dialog's status line for refusals at their left.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace korain {

struct OkCancel {
  QPushButton* ok;      // BT_Ok, the default button
  QPushButton* cancel;  // BT_Cancel
  QHBoxLayout* row;     // the refusal line (LB_Refusal) and both buttons, for the dialog's layout
};

OkCancel makeOkCancel(QDialog& dialog);

}  // namespace korain
