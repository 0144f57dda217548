// The dimensions dialog's form, filled from the working copy and written back as one change.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_lem_kora.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "edit/compartment_edits.h"
#include "model/compartment_tables.h"
#include "text/string_table.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

// Table1 entries of the computed position: centre of gravity y and z, then
// the lowest and highest z.
constexpr std::array<int, 4> kPositionEntries = {kCentreYEntry, kCentreZEntry, kBottomEntry,
                                                 kTopEntry};

QString ruleRollCaption() {
  return QString::fromStdString(korainString(text_id::kHighestPointsHeading) + " for " +
                                korainString(text_id::kRuleValues));
}

}  // namespace

FM_LemKora::FM_LemKora(Editor& editor, int side, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      bulkhead_(editor.session().arrangement().CurBulkhead),
      side_(side),
      copy_(editor.session().arrangement().Bulkheads.at(bulkhead_).Compartments.at(side)) {
  setObjectName("FM_LemKora");
  setWindowTitle("Compartment Dimensions (m)");

  auto* columns = new QGridLayout;
  columns->addWidget(mainGroup(), 0, 0);
  columns->addWidget(positionGroup(), 1, 0);
  columns->addWidget(extentGroup(), 2, 0);
  columns->addWidget(rollGroup(), 0, 1, 3, 1);

  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  connect(ok, &QPushButton::clicked, this, &FM_LemKora::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  fill();
}

NumberField* FM_LemKora::entryField(int entry, QWidget* parent) {
  auto* field = new NumberField(parent);
  field->setObjectName("FTX_vcog_" + QString::number(entry));
  connect(field, &NumberField::committed, this,
          [this, field, entry] { copy_.Table1.at(entry) = static_cast<Single>(field->value()); });
  fields_[entry] = field;
  return field;
}

QGroupBox* FM_LemKora::mainGroup() {
  auto* group = new QGroupBox("Main dimensions", this);
  auto* form = new QFormLayout(group);
  const std::array<std::pair<int, const char*>, 5> rows = {{{1, "Length"},
                                                            {3, "Breadth"},
                                                            {10, "Height"},
                                                            {19, "X start from APP"},
                                                            {5, "Xg from APP"}}};
  for (const auto& [entry, label] : rows) form->addRow(label, entryField(entry, group));
  return group;
}

QGroupBox* FM_LemKora::positionGroup() {
  auto* group = new QGroupBox("Centre of gravity", this);
  auto* form = new QFormLayout(group);
  useCalcYZ_ = new QCheckBox("Always use computed values", group);
  useCalcYZ_->setObjectName("OP_UseCalcYZ");
  connect(useCalcYZ_, &QCheckBox::clicked, this, &FM_LemKora::useComputedPosition);
  form->addRow(useCalcYZ_);
  form->addRow(" Yg", entryField(6, group));
  form->addRow("Zg", entryField(7, group));
  return group;
}

QGroupBox* FM_LemKora::extentGroup() {
  auto* group = new QGroupBox("Vertical extent", this);
  auto* form = new QFormLayout(group);
  form->addRow("Zmin/BL", entryField(8, group));
  form->addRow("Ztop/BL", entryField(9, group));
  return group;
}

QWidget* FM_LemKora::rollGroup() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  useCalcRoll_ = new QCheckBox(ruleRollCaption(), column);
  useCalcRoll_->setObjectName("OP_UseCalcRoll");
  connect(useCalcRoll_, &QCheckBox::clicked, this, &FM_LemKora::useRuleRoll);
  layout->addWidget(useCalcRoll_);

  layout->addWidget(rollCases(column));
  layout->addStretch(1);
  return column;
}

// The rule's roll cases: Yh and Zh of each acceleration's cases 'c' and 'd'.
QGroupBox* FM_LemKora::rollCases(QWidget* column) {
  roll_ = new QGroupBox(ruleRollCaption(), column);
  roll_->setObjectName("PAN_Roll");
  auto* grid = new QGridLayout(roll_);
  struct Cell {
    const char* acceleration;
    const char* loadCase;
    int yEntry;
  };
  // Yh and Zh of each case follow one another in Table1.
  constexpr int kFirst = kFirstHighestPointEntry;
  const std::array<Cell, 4> cells = {{{"aTY positive (+)", " Case 'c'", kFirst},
                                      {"aTY positive (+)", " Case 'd'", kFirst + 4},
                                      {"aTY negative (-)", " Case 'c'", kFirst + 2},
                                      {"aTY negative (-)", " Case 'd'", kFirst + 6}}};
  int row = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    if (i % 2 == 0) {
      auto* heading = new QLabel(cell.acceleration, roll_);
      QFont bold = heading->font();
      bold.setBold(true);
      heading->setFont(bold);
      grid->addWidget(heading, row++, 0, 1, 5);
    }
    grid->addWidget(new QLabel(cell.loadCase, roll_), row, 0);
    for (int k = 0; k < 2; ++k) {
      const QString coordinate = k == 0 ? "Yh" : "Zh";
      NumberField* field = entryField(cell.yEntry + k, roll_);
      // A refusal names the field with its case, which the grid shows apart.
      field->setCaption(QString(cell.acceleration) + cell.loadCase + " " + coordinate);
      grid->addWidget(new QLabel(coordinate, roll_), row, 1 + 2 * k);
      grid->addWidget(field, row, 2 + 2 * k);
    }
    ++row;
  }
  return roll_;
}

void FM_LemKora::fill() {
  for (const auto& [entry, field] : fields_) field->showValue(copy_.Table1.at(entry));
  useCalcYZ_->setChecked(copy_.UseComputedYZ);
  for (const int entry : kPositionEntries) fields_.at(entry)->setEnabled(!copy_.UseComputedYZ);
  useCalcRoll_->setChecked(copy_.UseRuleRoll);
  roll_->setEnabled(!copy_.UseRuleRoll);
}

void FM_LemKora::useComputedPosition(bool use) {
  const Bulkhead& bulkhead = editor_.session().arrangement().Bulkheads.at(bulkhead_);
  setUseComputedPosition(bulkhead, copy_, use);
  fill();
}

void FM_LemKora::useRuleRoll(bool use) {
  copy_.UseRuleRoll = use;
  fill();
}

void FM_LemKora::confirm() {
  if (!settleNumberFields(*this)) return;
  const Integer index = bulkhead_;
  const int side = side_;
  const Compartment& copy = copy_;
  editor_.session().change(
      {.label = korainString(text_id::kCompartmentDimensionsChange),
       .scope = EditScope::bulkhead(index),
       .edit = [index, side,
                &copy](Arrangement& a) { setCompartment(a.Bulkheads.at(index), side, copy); },
       .follow = Follow::Panel});
  accept();
}

}  // namespace korain
