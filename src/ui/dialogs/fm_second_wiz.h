// The ordinary stiffeners wizard: a regular row of new stiffeners on the
// current bulkhead, from a start, a spacing and a number.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>

#include "edit/stiffener_edits.h"
#include "editor.h"
#include "widgets/number_field.h"

namespace korain {

class FM_SecondWiz : public QDialog {
  Q_OBJECT

 public:
  explicit FM_SecondWiz(Editor& editor, QWidget* parent = nullptr);

 protected:
  // Ok or Cancel: the row's preview leaves the drawing.
  void done(int result) override;

 private:
  // A field built as the form's next row, named FTX_m_<row>.
  NumberField* addField(QFormLayout& form, const char* caption);
  // A field committed: a spacing of zero is refused, otherwise the number
  // follows the start and the spacing.
  void fieldCommitted(const NumberField* field);
  void countStiffeners();
  // The row the fields make, drawn in the drawing while the wizard is open,
  // and how many of its positions existing stiffeners hold, said under the
  // fields.
  void showRow();
  StiffenerRow rowOfFields() const;
  // Ok: the row as one change.
  void confirm();

  Editor& editor_;
  // Ticked: the number fills the room to the bulkhead's end; else it counts
  // the whole spacings from the start to the end.
  QCheckBox* toTheEnd_ = nullptr;
  QLabel* taken_ = nullptr;
  struct {
    NumberField* start = nullptr;
    NumberField* spacing = nullptr;
    NumberField* number = nullptr;
  } fields_;
};

}  // namespace korain
