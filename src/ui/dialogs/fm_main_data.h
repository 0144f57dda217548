// The main data dialog: the header fields of the arrangement (name, position,
// symmetry, hold data and the state of the scantlings), written back on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTabWidget>

#include "editor.h"
#include "panels/form_binder.h"

namespace korain {

class FM_MainData : public QDialog {
  Q_OBJECT

 public:
  explicit FM_MainData(Editor& editor, QWidget* parent = nullptr);

 private:
  QWidget* generalPage();
  QWidget* holdPage();
  // Ok: one undo entry for the whole dialog, then the fields into the model.
  void confirm();

  Editor& editor_;
  FormBinder* binder_ = nullptr;
  QTabWidget* tabs_ = nullptr;
};

}  // namespace korain
