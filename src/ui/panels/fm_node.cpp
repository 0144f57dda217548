// The node panel's controls, filled from the current node, and its changes and commands.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_node.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <string>

#include "edit/selection_edits.h"
#include "main/toolbar_icons.h"
#include "panels/form_rows.h"
#include "panels/step_buttons.h"
#include "view/world_window.h"

namespace korain {
namespace {

const std::string kChangeLabel = "Node data changes";

// The curve tools in their order on the bar.
constexpr std::array<const char*, kCurveToolCount> kCurveTools = {"Line", "Tan. arc", "Arc",
                                                                  "Corrugated"};
constexpr std::array<const char*, kCurveToolCount> kCurveIcons = {"curve_line", "curve_tan_arc",
                                                                  "curve_arc", "curve_corrugated"};

}  // namespace

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

  number_ = new QLabel(controls_);
  number_->setObjectName("LB_Plate");
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(number_, 1);
  steps_ = addStepButtons(controls_, *stepRow, "BT_Inode", "node", [this](int direction) {
    moveSelection(
        [direction](Selection& s, const Bulkhead& b) { chooseNode(s, b.CurNode + direction); });
  });
  rows.add("Node :", stepRow, nullptr);
  fields_[0] = rows.addNumber("&Y :", "FTX_m_0", [this] { change(); });
  fields_[1] = rows.addNumber("&Z :", "FTX_m_1", [this] { change(); });
  rows.add("Curve type :", buildCurveBar());

  segment_ = new QLabel("(first node)", controls_);
  segment_->setObjectName("LB_FirstNode");
  segment_->setWordWrap(true);
  rows.addWide(segment_);

  circle_ = new QGroupBox("Circle data", controls_);
  circle_->setObjectName("PAN_Circle");
  FormRows circleRows(*circle_, *new QGridLayout(circle_));
  const std::array<const char*, 3> captions = {"y&Tan :", "zTa&n :", "&R :"};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    fields_[i + 2] =
        circleRows.addNumber(captions[i], QString("FTX_m_%1").arg(i + 2), [this] { change(); });
  }
  rows.addWide(circle_);
}

QWidget* FM_Node::buildCurveBar() {
  auto* bar = new QWidget(controls_);
  bar->setObjectName("SS_Curve");
  auto* barRow = new QHBoxLayout(bar);
  barRow->setContentsMargins(0, 0, 0, 0);
  barRow->setSpacing(0);
  curveTools_ = new QButtonGroup(this);
  for (int t = 0; t < static_cast<int>(kCurveTools.size()); ++t) {
    auto* tool = new QToolButton(bar);
    tool->setObjectName(QString("SS_Curve_%1").arg(t));
    tool->setText(kCurveTools[static_cast<std::size_t>(t)]);
    tool->setToolTip(tool->text());
    tool->setIcon(toolbarIcon(kCurveIcons[static_cast<std::size_t>(t)]));
    tool->setIconSize({24, 24});
    tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tool->setAutoRaise(true);
    tool->setCheckable(true);
    curveTools_->addButton(tool, t);
    barRow->addWidget(tool);
  }
  connect(curveTools_, &QButtonGroup::idToggled, this,
          [this](int, bool down) { curveToolToggled(down); });
  return bar;
}

void FM_Node::fillControls() {
  const NodePanelState state = nodePanelState(currentBulkhead());
  controls_->setEnabled(state.Shown.has_value());
  steps_[0]->setEnabled(state.Steps.Previous);
  steps_[1]->setEnabled(state.Steps.Next);
  number_->setText(state.Steps.Current == 0 ? QString() : QString::number(state.Steps.Current));
  showCurveTool(state.CurveTool);
  segment_->setText(QString::fromStdString(state.Segment));
  circle_->setVisible(state.CircleShown);
  showValues(state.Shown);
}

void FM_Node::showCurveTool(std::optional<int> tool) {
  if (tool) {
    curveTools_->button(*tool)->setChecked(true);
    return;
  }
  // An exclusive group keeps one tool down; it lets go only while not exclusive.
  curveTools_->setExclusive(false);
  for (QAbstractButton* button : curveTools_->buttons()) button->setChecked(false);
  curveTools_->setExclusive(true);
}

void FM_Node::showValues(const std::optional<NodeData>& shown) {
  if (!shown) {
    for (NumberField* field : fields_) field->showEmpty();
    return;
  }
  const std::array<Single, 5> values = {shown->Y, shown->Z, shown->ShYT, shown->ShZT, shown->ShR};
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->showValue(values[i]);
}

NodeData FM_Node::dataOfControls(const Node& node) const {
  NodeData values = nodeDataOf(node);
  values.Y = static_cast<Single>(fields_[0]->value());
  values.Z = static_cast<Single>(fields_[1]->value());
  for (int t = 0; t < static_cast<int>(kCurveToolCodes.size()); ++t) {
    if (curveTools_->button(t)->isChecked())
      values.ShCur = kCurveToolCodes[static_cast<std::size_t>(t)];
  }
  values.ShYT = static_cast<Single>(fields_[2]->value());
  values.ShZT = static_cast<Single>(fields_[3]->value());
  values.ShR = static_cast<Single>(fields_[4]->value());
  return values;
}

void FM_Node::change() {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr || !bulkhead->Nodes.inBounds(bulkhead->CurNode)) return;
  const int index = bulkhead->CurNode;
  const NodeData values = dataOfControls(bulkhead->Nodes.at(index));
  changeBulkhead(kChangeLabel, [index, &values](Bulkhead& b) { setNodeData(b, index, values); });
}

void FM_Node::curveToolToggled(bool down) {
  // The tool let go as another goes down changes nothing by itself.
  if (down) change();
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
