// The primary members panel's controls, filled from the current member, and its changes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_prim.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>

#include "edit/member_edits.h"
#include "edit/selection_edits.h"
#include "model/codes.h"
#include "panels/form_rows.h"
#include "panels/step_buttons.h"
#include "view/item_panel_states.h"
#include "widgets/material_list.h"

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

  position_ = new NumberField(controls_);
  position_->setObjectName("FTX_m");
  axis_ = new QLabel("&Z :", controls_);
  axis_->setObjectName("LB_yz");
  axis_->setBuddy(position_);
  auto* positionRow = new QHBoxLayout;
  positionRow->addWidget(axis_);
  positionRow->addWidget(position_, 1);
  rows.add("&Position :", positionRow, position_);
  connect(position_, &NumberField::committed, this, &FM_Prim::change);

  direction_ = new QComboBox(controls_);
  direction_->setObjectName("CB_HorVer");
  for (const Long hv : {kHorizontal, kVertical}) {
    direction_->addItem(QString::fromUtf8(directionText(hv).value_or("")));
  }
  rows.add("&Direction :", direction_);
  connect(direction_, &QComboBox::activated, this, &FM_Prim::change);
}

void FM_Prim::fillControls() {
  const MemberPanelState state = memberPanelState(currentBulkhead());
  controls_->setEnabled(state.Position.has_value());
  steps_[0]->setEnabled(state.Steps.Previous);
  steps_[1]->setEnabled(state.Steps.Next);
  number_->setText(state.Steps.Current == 0 ? QString() : QString::number(state.Steps.Current));
  position_->showValue(state.Position);
  axis_->setText(QString::fromStdString(state.Axis));
  showCode(*direction_, state.Direction);
  // The position is what one edits most, member after member.
  if (isVisible() && position_->isEnabled()) position_->setFocus();
}

void FM_Prim::change() {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr || !bulkhead->PrimaryMembers.inBounds(bulkhead->CurPrim)) return;
  const auto position = static_cast<Single>(position_->value());
  const Long hv = direction_->currentIndex() < 0 ? bulkhead->PrimaryMembers.at(bulkhead->CurPrim).HV
                                                 : direction_->currentIndex();
  // A member that changed direction or passed another moves in the list; the
  // panel goes on showing it under its new number.
  changeBulkhead("Primary supporting member data changes",
                 [position, hv](Bulkhead& b) { setMemberData(b, position, hv); });
}

EditOutcome FM_Prim::addItem(Arrangement& a) {
  addMember(currentOf(a));
  return {};
}

EditOutcome FM_Prim::removeItem(Arrangement& a) { return removeMember(currentOf(a)); }

}  // namespace korain
