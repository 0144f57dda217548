// The stiffener wizard's form: its values, the count that fits, and the row added on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_second_wiz.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "edit/stiffener_edits.h"
#include "geometry/plane.h"
#include "ship/ship_queries.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

const Bulkhead* currentBulkhead(const Arrangement& a) {
  return a.Bulkheads.inBounds(a.CurBulkhead) ? &a.Bulkheads.at(a.CurBulkhead) : nullptr;
}

}  // namespace

FM_SecondWiz::FM_SecondWiz(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName("FM_SecondWiz");
  setWindowTitle("Ordinary stiffeners creation");
  auto* form = new QFormLayout;
  fields_.start = addField(*form, "Start position :");
  fields_.spacing = addField(*form, "&Spacing :");
  fields_.number = addField(*form, "&Number :");
  fields_.number->setRange(0, kMaxWizardStiffeners);
  fields_.number->setWholeNumbers();
  toTheEnd_ = new QCheckBox("To the &end", this);
  toTheEnd_->setObjectName("OP_ToTheEnd");
  toTheEnd_->setToolTip(
      "The number fills the room to the bulkhead's end, the last stiffener at "
      "least half a spacing clear of it");
  toTheEnd_->setChecked(true);
  form->addRow(toTheEnd_);
  connect(toTheEnd_, &QCheckBox::clicked, this, &FM_SecondWiz::countStiffeners);
  taken_ = new QLabel(this);
  taken_->setObjectName("LB_Taken");
  form->addRow(taken_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &FM_SecondWiz::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  const Bulkhead* bulkhead = currentBulkhead(editor_.session().arrangement());
  if (bulkhead == nullptr) return;
  const Single spacing = proposedSpacing(*bulkhead);
  fields_.spacing->showValue(spacing);
  fields_.start->showValue(proposedStart(*bulkhead, spacing));
  countStiffeners();
}

NumberField* FM_SecondWiz::addField(QFormLayout& form, const char* caption) {
  auto* field = new NumberField(this);
  field->setObjectName(QString("FTX_m_%1").arg(form.rowCount()));
  form.addRow(caption, field);
  connect(field, &NumberField::committed, this, [this, field] { fieldCommitted(field); });
  return field;
}

void FM_SecondWiz::fieldCommitted(const NumberField* field) {
  if (std::abs(fields_.spacing->value()) < kGeometryTolerance) {
    fields_.spacing->showValue(1);
    editor_.prompt().showMessage("Please enter a valid spacing value");
    countStiffeners();
  } else if (field != fields_.number) {
    countStiffeners();
  } else {
    showRow();
  }
}

void FM_SecondWiz::showRow() {
  const Bulkhead* bulkhead = currentBulkhead(editor_.session().arrangement());
  RowPlacement placed;
  if (bulkhead != nullptr) placed = placeRow(*bulkhead, rowOfFields());
  editor_.session().showRowPreview(placed.positions);
  const int taken = placed.taken;
  taken_->setVisible(taken > 0);
  taken_->setText(taken == 0 ? QString()
                             : QString("%1 of these positions hold a stiffener already and are "
                                       "left out")
                                   .arg(taken));
}

StiffenerRow FM_SecondWiz::rowOfFields() const {
  return {.start = static_cast<Single>(fields_.start->value()),
          .spacing = static_cast<Single>(fields_.spacing->value()),
          .number = fields_.number->wholeValue()};
}

void FM_SecondWiz::countStiffeners() {
  const Bulkhead* bulkhead = currentBulkhead(editor_.session().arrangement());
  if (bulkhead == nullptr) return;
  const auto start = static_cast<Single>(fields_.start->value());
  const auto spacing = static_cast<Single>(fields_.spacing->value());
  fields_.number->showValue(toTheEnd_->isChecked() ? stiffenersToTheEnd(*bulkhead, start, spacing)
                                                   : stiffenersThatFit(*bulkhead, start, spacing));
  showRow();
}

void FM_SecondWiz::done(int result) {
  editor_.session().showRowPreview({});
  QDialog::done(result);
}

void FM_SecondWiz::confirm() {
  if (!settleNumberFields(*this)) return;
  Session& session = editor_.session();
  const Arrangement& arrangement = session.arrangement();
  if (currentBulkhead(arrangement) == nullptr) {
    reject();
    return;
  }
  const StiffenerRow row = rowOfFields();
  const Integer material = defaultPlatingMaterial(session.ship());
  session.change({.label = "Ordinary stiffeners wizard creation",
                  .scope = EditScope::bulkhead(arrangement.CurBulkhead),
                  .edit =
                      [row, material](Arrangement& a) {
                        addStiffenerRow(a.Bulkheads.at(a.CurBulkhead), row, material);
                      },
                  .follow = kRefreshAll});
  accept();
}

}  // namespace korain
