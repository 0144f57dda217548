// The ordinary stiffeners wizard: a regular row of new stiffeners on the
// current bulkhead, from a start, a spacing and a number.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "editor.h"
#include "widgets/number_field.h"

namespace korain {

class FM_SecondWiz : public QDialog {
  Q_OBJECT

 public:
  explicit FM_SecondWiz(Editor& editor, QWidget* parent = nullptr);

 private:
  // A field committed: a spacing of zero is refused, otherwise the number
  // follows the start and the spacing.
  void fieldCommitted(int index);
  void countStiffeners();
  // Ok: the row as one change.
  void confirm();

  Editor& editor_;
  std::array<NumberField*, 3> fields_{};  // FTX_m 0 start, 1 spacing, 2 number
};

}  // namespace korain
