// A dialog's own status line for refusals: what a field of the dialog refused,
// and why, shown at the foot of the dialog until the field takes it back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>

namespace korain {

class RefusalLine : public QLabel {
  Q_OBJECT

 public:
  // The line (LB_Refusal) of `dialog`: it takes the refusals its fields announce.
  explicit RefusalLine(QDialog& dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korain
