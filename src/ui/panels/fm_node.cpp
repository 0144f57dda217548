// The node panel's controls, filled from the current node, and its changes and commands.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_node.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <string>

#include "edit/selection_edits.h"
#include "panels/form_rows.h"
#include "panels/step_buttons.h"
#include "view/forms/forms.h"
#include "view/item_panel_states.h"
#include "view/world_window.h"

namespace korain {

FM_Node::FM_Node(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Nodes, SelectorUse::Shown, parent) {
  setObjectName("FM_Node");
  buildControls();
}

void FM_Node::buildControls() {
  controls_ = new QWidget(this);
  auto* grid = new QGridLayout(controls_);
  grid->setContentsMargins(0, 0, 0, 0);
  body()->addWidget(controls_);
  FormRows rows(*controls_, *grid);
  binder_ = new FormBinder(editor(), *controls_);
  const FormTable<Node>& table = nodeForm();

  number_ = new QLabel(controls_);
  number_->setObjectName("LB_Plate");
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(number_, 1);
  steps_ = addStepButtons(controls_, *stepRow, "BT_Inode", "node", [this](int direction) {
    moveSelection(
        [direction](Selection& s, const Bulkhead& b) { chooseNode(s, b.CurNode + direction); });
  });
  rows.add("Node :", stepRow, nullptr);
  for (const char* name : {"FTX_m_0", "FTX_m_1", "SS_Curve"}) binder_->addRow(rows, table, name);

  segment_ = new QLabel("(first node)", controls_);
  segment_->setObjectName("LB_FirstNode");
  segment_->setWordWrap(true);
  rows.addWide(segment_);

  circle_ = new QGroupBox("Circle data", controls_);
  circle_->setObjectName("PAN_Circle");
  FormRows circleRows(*circle_, *new QGridLayout(circle_));
  for (const char* name : {"FTX_m_2", "FTX_m_3", "FTX_m_4"}) {
    binder_->addRow(circleRows, table, name);
  }
  rows.addWide(circle_);
}

void FM_Node::fillControls() {
  const NodePanelState state = nodePanelState(currentBulkhead());
  controls_->setEnabled(state.Steps.Current != 0);
  steps_.enable(state.Steps.Previous, state.Steps.Next);
  number_->setText(state.Steps.Current == 0 ? QString() : QString::number(state.Steps.Current));
  binder_->fill();
  segment_->setText(QString::fromStdString(state.Segment));
  circle_->setVisible(state.CircleShown);
}

EditOutcome FM_Node::addItem(Arrangement& a) {
  Bulkhead& bulkhead = currentOf(a);
  const Session& s = session();
  takeSectionSize(a, fullExtent(a, s.hullSection(), s.ship()));
  const PickSettings pick{editor().pickTolerance(), s.display().ObjectMask, code()};
  const NodePlace place = findNewNodePlace(a, bulkhead, bulkhead.Nodes.count(), pick, random_);
  addNode(bulkhead, place);
  if (place.free || !s.run().DebugMode) return {};
  return {.notices = {"Could not find a place for a new node !"}};
}

EditOutcome FM_Node::insertItem(Arrangement& a) {
  Bulkhead& bulkhead = currentOf(a);
  // Insert acts only while a node is current; without one it has nothing to go before.
  if (!bulkhead.Nodes.inBounds(bulkhead.CurNode)) return {};
  return insertNodeBefore(bulkhead, bulkhead.CurNode);
}

EditOutcome FM_Node::removeItem(Arrangement& a) { return removeNode(currentOf(a)); }

}  // namespace korain
