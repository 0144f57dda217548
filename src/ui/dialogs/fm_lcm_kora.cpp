// The loading dialog's form, filled from the compartment and written back as one change.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_lcm_kora.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "edit/compartment_edits.h"
#include "resonance/compartment_codes.h"
#include "text/string_table.h"
#include "view/compartment_dialog_states.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

constexpr int kLoadTypeCount = 7;  // 0 no load .. 6 bulk and liquid

}  // namespace

FM_LcmKora::FM_LcmKora(Editor& editor, int side, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      bulkhead_(editor.session().arrangement().CurBulkhead),
      side_(side),
      mode_(editor.session().run().JbpMode ? LoadingMode::Jbp : LoadingMode::Standard),
      copy_(editor.session().arrangement().Bulkheads.at(bulkhead_).Compartments.at(side)) {
  setObjectName("FM_LcmKora");
  setWindowTitle("Compartment Load");

  auto* groups = new QVBoxLayout;
  groups->addWidget(liquidGroup());
  groups->addWidget(bulkGroup());
  groups->addWidget(alternateGroup());
  groups->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(typeFrame());
  columns->addLayout(groups, 1);

  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  connect(ok, &QPushButton::clicked, this, &FM_LcmKora::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  fillControls();
}

QGroupBox* FM_LcmKora::typeFrame() {
  auto* frame = new QGroupBox("Type", this);
  auto* layout = new QVBoxLayout(frame);
  types_ = new QButtonGroup(frame);
  for (int k = 0; k < kLoadTypeCount; ++k) {
    auto* option = new QRadioButton(QString::fromStdString(loadTypeText(k)), frame);
    option->setObjectName("OP_Type_" + QString::number(k));
    types_->addButton(option, k);
    layout->addWidget(option);
  }
  layout->addStretch(1);
  connect(types_, &QButtonGroup::idClicked, this, &FM_LcmKora::chooseType);
  return frame;
}

QWidget* FM_LcmKora::addValueRow(QFormLayout& form, int k, const char* caption, const char* unit) {
  auto* row = new QWidget(form.parentWidget());
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  auto* field = new NumberField(row);
  field->setObjectName("FTX_m_" + QString::number(k));
  line->addWidget(field, 1);
  auto* unitLabel = new QLabel(unit, row);
  // Fields with and without a unit line up.
  unitLabel->setMinimumWidth(unitLabel->fontMetrics().horizontalAdvance("m/BL"));
  line->addWidget(unitLabel);
  auto* label = new QLabel(caption, form.parentWidget());
  // The caption is the field's buddy, not the row's: a refusal names the field by it.
  label->setBuddy(field);
  form.addRow(label, row);
  return row;
}

NumberField* FM_LcmKora::valueField(int k) const {
  return findChild<NumberField*>("FTX_m_" + QString::number(k));
}

QGroupBox* FM_LcmKora::liquidGroup() {
  liquid_ = new QGroupBox("Load Data", this);
  liquidForm_ = new QFormLayout(liquid_);
  addValueRow(*liquidForm_, 1, "Load test height :", "m/BL");
  addValueRow(*liquidForm_, 2, "Air pipe Deck :", "m/BL");
  addValueRow(*liquidForm_, 3, "Density liquid :", "");
  settingPressureRow_ = addValueRow(*liquidForm_, 4, "Setting pressure :", "bar");
  return liquid_;
}

QGroupBox* FM_LcmKora::bulkGroup() {
  bulk_ = new QGroupBox(this);
  auto* form = new QFormLayout(bulk_);
  addValueRow(*form, 5, "Load in hold :", "t");
  addValueRow(*form, 6, "Density bulk / spoil :", "");
  addValueRow(*form, 7, "Friction angle :", "deg");
  return bulk_;
}

QGroupBox* FM_LcmKora::alternateGroup() {
  alternate_ = new QGroupBox(this);
  auto* form = new QFormLayout(alternate_);
  alternateCheck_ = new QCheckBox("Alternate", alternate_);
  alternateCheck_->setObjectName("Check1");
  form->addRow(alternateCheck_);
  form->addRow(new QLabel("Check Hold data in Main Section data", alternate_));
  addValueRow(*form, 8, "Load in hold :", "t");
  addValueRow(*form, 9, "Density bulk / spoil :", "");
  addValueRow(*form, 10, "Friction angle :", "deg");
  return alternate_;
}

void FM_LcmKora::fillControls() {
  const LoadingInput shown = loadingOf(copy_);
  for (int k = 1; k <= kLoadValueCount; ++k) {
    valueField(k)->showValue(shown.values.at(static_cast<std::size_t>(k - 1)));
  }
  alternateCheck_->setChecked(shown.alternate);
  if (QAbstractButton* type = types_->button(static_cast<int>(copy_.N))) type->setChecked(true);
  layOut();
}

void FM_LcmKora::chooseType(int type) {
  copy_.N = type;
  layOut();
}

void FM_LcmKora::layOut() {
  const LoadingDialogState shown = loadingDialogState(copy_.N, mode_);
  liquid_->setVisible(shown.LiquidShown);
  liquidForm_->setRowVisible(settingPressureRow_, shown.SettingPressureShown);
  bulk_->setVisible(shown.BulkShown);
  bulk_->setTitle(QString::fromStdString(shown.BulkTitle));
  alternate_->setVisible(shown.AlternateShown);
  adjustSize();
}

void FM_LcmKora::confirm() {
  if (!settleNumberFields(*this)) return;
  LoadingInput input;
  input.N = copy_.N;
  for (int k = 1; k <= kLoadValueCount; ++k) {
    input.values.at(static_cast<std::size_t>(k - 1)) = static_cast<Single>(valueField(k)->value());
  }
  input.alternate = alternateCheck_->isChecked();
  setLoading(copy_, input, mode_);
  const Integer index = bulkhead_;
  const int side = side_;
  const Compartment& copy = copy_;
  editor_.session().change(
      {.label = korainString(text_id::kCompartmentLoadChange),
       .scope = EditScope::bulkhead(index),
       .edit = [index, side,
                &copy](Arrangement& a) { setCompartment(a.Bulkheads.at(index), side, copy); },
       .follow = Follow::Nothing});
  accept();
}

}  // namespace korain
