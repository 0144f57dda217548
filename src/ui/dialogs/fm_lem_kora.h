// The dimensions dialog of a compartment: its main dimensions, centre of
// gravity, vertical extent and highest points, edited on a working copy and
// written back as one change on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <map>

#include "editor.h"
#include "model/arrangement.h"
#include "widgets/number_field.h"

namespace korain {

class FM_LemKora : public QDialog {
  Q_OBJECT

 public:
  // Edits the compartment on `side` (1 forward, 2 aftward) of the current bulkhead.
  FM_LemKora(Editor& editor, int side, QWidget* parent = nullptr);

 private:
  QGroupBox* mainGroup();
  QGroupBox* positionGroup();
  QGroupBox* extentGroup();
  QWidget* rollGroup();
  QGroupBox* rollCases(QWidget* column);
  NumberField* entryField(int entry, QWidget* parent);
  void fill();
  void useComputedPosition(bool use);
  void useRuleRoll(bool use);
  // Ok: the working copy back into the arrangement, one undo step.
  void confirm();

  Editor& editor_;
  Integer bulkhead_;
  int side_;
  Compartment copy_;
  // FTX_vcog by the Table1 entry each edits.
  std::map<int, NumberField*> fields_;
  QCheckBox* useCalcYZ_ = nullptr;
  QCheckBox* useCalcRoll_ = nullptr;
  QGroupBox* roll_ = nullptr;
};

}  // namespace korain
