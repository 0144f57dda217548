// Making each panel on first use, and showing the current one under the bulkhead selector.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/panel_area.h"

#include <QVBoxLayout>

#include "panels/fm_band.h"
#include "panels/fm_bh.h"
#include "panels/fm_comp.h"
#include "panels/fm_corr.h"
#include "panels/fm_display.h"
#include "panels/fm_mat.h"
#include "panels/fm_node.h"
#include "panels/fm_prim.h"
#include "panels/fm_second.h"
#include "view_state.h"

namespace korain {
namespace {

// The panel that edits a code's objects; the display panel for any code
// without a panel of its own.
Panel* makePanel(Editor& editor, PanelCode code) {
  switch (code) {
    case PanelCode::Bulkhead:
      return new FM_Bh(editor);
    case PanelCode::Nodes:
      return new FM_Node(editor);
    case PanelCode::PrimaryMembers:
      return new FM_Prim(editor);
    case PanelCode::OrdinaryStiffeners:
      return new FM_Second(editor);
    case PanelCode::Compartments:
      return new FM_Comp(editor);
    case PanelCode::PlatingChecks:
      return new FM_Mat(editor);
    case PanelCode::Corrugation:
      return new FM_Corr(editor);
    case PanelCode::StrakeBands:
      return new FM_Band(editor);
    default:
      return new FM_Display(editor);
  }
}

PanelCode panelKey(PanelCode code) {
  switch (code) {
    case PanelCode::Bulkhead:
    case PanelCode::Nodes:
    case PanelCode::PrimaryMembers:
    case PanelCode::OrdinaryStiffeners:
    case PanelCode::Compartments:
    case PanelCode::Corrugation:
    case PanelCode::StrakeBands:
      return code;
    // One check panel shows the checks on plating and on stiffeners.
    case PanelCode::PlatingChecks:
    case PanelCode::StiffenerChecks:
      return PanelCode::PlatingChecks;
    default:
      return PanelCode::Display;
  }
}

}  // namespace

PanelArea::PanelArea(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName("PanelArea");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  selector_ = new FM_CBPanel(editor, this);
  stack_ = new QStackedWidget(this);
  layout->addWidget(selector_);
  layout->addWidget(stack_, 1);
}

QSize PanelArea::minimumSizeHint() const {
  // As wide as the widest panel made so far needs: the column never cuts a
  // caption, a field or a list.
  return {sizeHint().width(), QWidget::minimumSizeHint().height()};
}

Panel& PanelArea::panel(PanelCode code) {
  const PanelCode key = panelKey(code);
  auto found = panels_.find(key);
  if (found == panels_.end()) {
    Panel* made = makePanel(editor_, key);
    stack_->addWidget(made);
    found = panels_.emplace(key, made).first;
  }
  return *found->second;
}

Panel& PanelArea::currentPanel() {
  return panel(zoomMode_ ? PanelCode::Display : editor_.session().display().CurrentPanel);
}

void PanelArea::showPanel(Panel& shown) {
  const PanelCode code = zoomMode_ ? PanelCode::Display : editor_.session().display().CurrentPanel;
  const bool withSelector = showsBulkheadSelector(code) && shown.showsBulkheadSelector();
  selector_->setVisible(withSelector);
  if (withSelector) selector_->refresh();
  shown.setTitle(QString::fromStdString(panelKindText(code)));
  shown.refresh();
  stack_->setCurrentWidget(&shown);
}

}  // namespace korain
