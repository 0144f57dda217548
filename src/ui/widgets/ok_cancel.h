// The "&Ok" and "&Cancel" buttons at the foot of the family's dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace korain {

struct OkCancel {
  QPushButton* ok;      // BT_Ok, the default button
  QPushButton* cancel;  // BT_Cancel
  QHBoxLayout* row;     // both at its right, for the dialog's layout to take
};

OkCancel makeOkCancel(QDialog& dialog);

}  // namespace korain
