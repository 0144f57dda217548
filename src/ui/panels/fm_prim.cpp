// The primary members panel's controls, filled from the current member, and its changes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_prim.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>

#include "edit/member_edits.h"
#include "edit/selection_edits.h"
#include "panels/form_rows.h"
#include "panels/step_buttons.h"
#include "view/forms/forms.h"
#include "view/item_panel_states.h"

namespace korain {

FM_Prim::FM_Prim(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::PrimaryMembers, SelectorUse::Shown, parent) {
  setObjectName("FM_Prim");
  buildControls();
}

void FM_Prim::buildControls() {
  controls_ = new QWidget(this);
  auto* grid = new QGridLayout(controls_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  body()->addWidget(controls_);
  FormRows rows(*controls_, *grid);

  number_ = new QLabel(controls_);
  number_->setObjectName("LB_Prim");
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(new QLabel("Primary supporting member :", controls_));
  stepRow->addWidget(number_, 1);
  steps_ = addStepButtons(controls_, *stepRow, "BT_Iprim", "member", [this](int direction) {
    moveSelection(
        [direction](Selection& s, const Bulkhead& b) { chooseMember(s, b.CurPrim + direction); });
  });
  rows.addWide(stepRow);

  binder_ = new FormBinder(editor(), *controls_);
  const FormTable<PrimaryMember>& table = memberForm();
  position_ = binder_->addRow(rows, table, "FTX_m");
  binder_->addRow(rows, table, "CB_HorVer");
}

void FM_Prim::fillControls() {
  const ItemSteps steps = memberSteps(currentBulkhead());
  controls_->setEnabled(steps.Current != 0);
  steps_.enable(steps.Previous, steps.Next);
  number_->setText(steps.Current == 0 ? QString() : QString::number(steps.Current));
  binder_->fill();
  // The position is what one edits most, member after member.
  if (isVisible() && position_->isEnabled()) position_->setFocus();
}

EditOutcome FM_Prim::addItem(Arrangement& a) {
  addMember(currentOf(a));
  return {};
}

EditOutcome FM_Prim::removeItem(Arrangement& a) { return removeMember(currentOf(a)); }

}  // namespace korain
