// The bulkhead panel: its controls, how they are filled from the current
// bulkhead and how each change goes back into it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_bh.h"

#include <QFrame>
#include <QGridLayout>
#include <string>

#include "edit/bulkhead_edits.h"
#include "properties/bulkhead_weight.h"
#include "ship/ship_queries.h"
#include "view/forms/forms.h"
#include "view/property_texts.h"

namespace korain {
namespace {

QFrame* rule(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

FM_Bh::FM_Bh(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Bulkhead, SelectorUse::Shown, parent) {
  setObjectName("FM_Bh");
  buildControls();
}

void FM_Bh::buildControls() {
  form_ = new QWidget(this);
  auto* grid = new QGridLayout(form_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  FormRows rows(*form_, *grid);
  binder_ = new FormBinder(editor(), *form_);
  const FormTable<Bulkhead>& table = bulkheadForm();
  for (const char* name : {"FTX_Name", "CB_Type", "CB_Mat"}) binder_->addRow(rows, table, name);
  // The two long captions read as sentences ending in the list's choice, so
  // each list sits under its caption across the panel's width.
  for (const char* name : {"CB_HorVer", "CB_ForeAft"}) {
    binder_->addRow(rows, table, name, FormBinder::Caption::Above);
  }
  rows.addWide(rule(form_));
  for (const char* name : {"OP_Stool_0", "FTX_m_0", "OP_Stool_1", "FTX_m_1", "OP_UpStoolSloped"}) {
    binder_->addRow(rows, table, name);
  }
  rows.addWide(rule(form_));
  weight_ = new QLabel(form_);
  weight_->setObjectName("LB_Weight");
  weight_->setWordWrap(true);
  weight_->setTextFormat(Qt::PlainText);
  weight_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rows.addWide(weight_);
  body()->addWidget(form_);
}

void FM_Bh::fillControls() {
  form_->setEnabled(currentBulkhead() != nullptr);
  fillRows();
  showWeight();
}

void FM_Bh::showWeight() {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr) {
    weight_->clear();
    return;
  }
  const BulkheadWeight weight =
      bulkheadWeight(*bulkhead, arrangement().SymFlag, session().run().paths.SteelDensity,
                     spanProperties(*bulkhead, 0));
  weight_->setText(QString::fromStdString(bulkheadWeightText(weight)));
}

void FM_Bh::fillRows() {
  binder_->fill();
}

EditOutcome FM_Bh::addItem(Arrangement& a) {
  addBulkhead(a, defaultPlatingMaterial(session().ship()));
  return {};
}

EditOutcome FM_Bh::removeItem(Arrangement& a) { return removeBulkhead(a); }

EditScope FM_Bh::scopeOf(ItemCommand command) const {
  const Arrangement& a = arrangement();
  return EditScope::resizedAt(command == ItemCommand::Add ? a.Bulkheads.count() + 1
                                                          : a.CurBulkhead);
}

}  // namespace korain
