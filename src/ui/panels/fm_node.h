// The node panel: the contour nodes of the current bulkhead, one at a time,
// with the kind of segment that leads to each and the data of its arc.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <array>
#include <optional>

#include "edit/node_edits.h"
#include "panels/panel.h"
#include "view/item_panel_states.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Node : public Panel {
  Q_OBJECT

 public:
  explicit FM_Node(Editor& editor, QWidget* parent = nullptr);

 protected:
  // In a debug run, tells when no free place was found for the new node.
  EditOutcome addItem(Arrangement& arrangement) override;
  EditOutcome removeItem(Arrangement& arrangement) override;
  EditOutcome insertItem(Arrangement& arrangement) override;
  void fillControls() override;

 private:
  void buildControls();
  QWidget* buildCurveBar();
  // Puts the tool down; none lets every tool go.
  void showCurveTool(std::optional<int> tool);
  void showValues(const std::optional<NodeData>& shown);
  // The node's data as the controls give them.
  NodeData dataOfControls(const Node& node) const;
  void change();
  void curveToolToggled(bool down);

  // The places Add tries, at random, for a new node.
  RandomSource random_ = defaultRandomSource();

  QWidget* controls_ = nullptr;
  QLabel* number_ = nullptr;
  std::array<QToolButton*, 2> steps_{};
  // Y, Z, then the circle data yTan, zTan, R.
  std::array<NumberField*, 5> fields_{};
  QButtonGroup* curveTools_ = nullptr;
  QLabel* segment_ = nullptr;
  QGroupBox* circle_ = nullptr;
};

}  // namespace korain
