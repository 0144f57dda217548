#include "main/panel_area.h"

#include <QVBoxLayout>

#include "view_state.h"
#include "panels/fm_bh.h"
#include "panels/fm_display.h"
#include "panels/fm_node.h"
#include "panels/fm_prim.h"

namespace korain {
namespace {

// The panel that edits a code's objects; the display panel for any code
// without a panel of its own.
Panel* makePanel(Editor& editor, Integer code) {
  switch (code) {
    case panel_code::kBulkhead:
      return new FM_Bh(editor);
    case panel_code::kNodes:
      return new FM_Node(editor);
    case panel_code::kPrimaryMembers:
      return new FM_Prim(editor);
    default:
      return new FM_Display(editor);
  }
}

Integer panelKey(Integer code) {
  switch (code) {
    case panel_code::kBulkhead:
    case panel_code::kNodes:
    case panel_code::kPrimaryMembers:
      return code;
    default:
      return panel_code::kDisplay;
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
  setMinimumWidth(270);
}

bool PanelArea::hasPanel(Integer code) const {
  // The panels of stiffeners, corrugation, strakes and compartments come later.
  return code < panel_code::kOrdinaryStiffeners || code > panel_code::kCompartments;
}

Panel& PanelArea::panel(Integer code) {
  const Integer key = panelKey(code);
  auto found = panels_.find(key);
  if (found == panels_.end()) {
    Panel* made = makePanel(editor_, key);
    stack_->addWidget(made);
    found = panels_.emplace(key, made).first;
  }
  return *found->second;
}

Panel& PanelArea::currentPanel() {
  return panel(zoomMode_ ? panel_code::kDisplay : editor_.session().display().PanelCode);
}

void PanelArea::showPanel(Panel& shown) {
  const Integer code = zoomMode_ ? panel_code::kDisplay : editor_.session().display().PanelCode;
  const bool withSelector = showsBulkheadSelector(code) && shown.showsBulkheadSelector();
  selector_->setVisible(withSelector);
  if (withSelector) selector_->refreshControls();
  shown.setTitle(QString::fromStdString(panelKindText(code)));
  shown.refreshControls();
  stack_->setCurrentWidget(&shown);
}

}  // namespace korain
