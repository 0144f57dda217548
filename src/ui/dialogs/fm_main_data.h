// The main data dialog: the header fields of the arrangement (name, position,
// symmetry, hold data and the state of the scantlings), written back on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTabWidget>
#include <array>

#include "editor.h"
#include "widgets/commit_field.h"
#include "widgets/number_field.h"

namespace korain {

class FM_MainData : public QDialog {
  Q_OBJECT

 public:
  explicit FM_MainData(Editor& editor, QWidget* parent = nullptr);

 private:
  QWidget* generalPage();
  QWidget* holdPage();
  void fill();
  // Ok: one undo entry for the whole dialog, then the fields into the model.
  void confirm();

  Editor& editor_;
  CommitField* ident_ = nullptr;
  NumberField* x_ = nullptr;
  QComboBox* sym_ = nullptr;
  QComboBox* state_ = nullptr;
  NumberField* stateIndex_ = nullptr;
  QLabel* tollan_ = nullptr;
  // Stool volume, fore hopper breadth and top, aft hopper breadth and top.
  std::array<NumberField*, 5> hold_{};
  QTabWidget* tabs_ = nullptr;
};

}  // namespace korain
