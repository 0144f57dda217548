// The loading dialog of a compartment: its load type and the load data that
// type uses, written back as one change on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>

#include "edit/loading_edits.h"
#include "editor.h"
#include "model/arrangement.h"
#include "widgets/number_field.h"

namespace korain {

class FM_LcmKora : public QDialog {
  Q_OBJECT

 public:
  // Edits the compartment on `side` (1 forward, 2 aftward) of the current bulkhead.
  FM_LcmKora(Editor& editor, int side, QWidget* parent = nullptr);

 private:
  QGroupBox* typeFrame();
  QGroupBox* liquidGroup();
  QGroupBox* bulkGroup();
  QGroupBox* alternateGroup();
  // FTX_m (k) with its caption and unit as one row of `form`, which it returns.
  QWidget* addValueRow(QFormLayout& form, int k, const char* caption, const char* unit);
  // FTX_m (k): the field of load value k, 1 to kLoadValueCount.
  NumberField* valueField(int k) const;
  // The compartment's load type and values shown.
  void fillControls();
  void chooseType(int type);
  // Shows the groups the load type uses, with their captions.
  void layOut();
  // Ok: the type and every field into the working copy, written back as one change.
  void confirm();

  Editor& editor_;
  Integer bulkhead_;
  int side_;
  LoadingMode mode_;
  Compartment copy_;
  QButtonGroup* types_ = nullptr;
  QGroupBox* liquid_ = nullptr;
  QFormLayout* liquidForm_ = nullptr;
  QWidget* settingPressureRow_ = nullptr;  // shown only for the load types that use it
  QGroupBox* bulk_ = nullptr;
  QGroupBox* alternate_ = nullptr;
  QCheckBox* alternateCheck_ = nullptr;
};

}  // namespace korain
