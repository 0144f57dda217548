// The main window's editing and view commands: add, delete and insert on the
// current panel, the object tools, zoom and the bulkhead steps.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_copy_bulkheads.h"
#include "dialogs/fm_main_data.h"
#include "dialogs/fm_pref.h"
#include "drawing/fm_graph.h"
#include "main/fm_main.h"
#include "main/panel_area.h"

namespace korain {

void FM_Main::runItemCommand(ItemCommand command) {
  if (!session().hasArrangement()) return;
  panels_->panel(session().display().CurrentPanel).runCommand(command);
}

void FM_Main::chooseObjectTool(int tool, bool pressed) {
  if (refreshing()) return;
  session().showPanel(pressed ? panelOfObjectTool(tool) : PanelCode::Display,
                      Follow::Panel | Follow::Menus | Follow::Redraw);
}

void FM_Main::chooseCheckView(PanelCode panel, Long mode) {
  session().showPanel(panel, Follow::Nothing);
  session().setSubView(mode, Follow::Panel | Follow::Menus | Follow::Redraw);
}

void FM_Main::setZoomTool(bool on) {
  actions_.zoomTool->setChecked(on);
  panels_->setZoomMode(on);
  session().chooseTool(on ? kZoomTool : kPickTool, Follow::Nothing);
  actions_.zoomItem->setText(on ? "E&xit zoom" : "&Zoom");
  graph_->applyTool();
  session().refresh(Follow::Panel | Follow::Redraw);
}

void FM_Main::resetZoom() {
  if (actions_.zoomTool->isChecked()) setZoomTool(false);
  graph_->resetZoom();
  graph_->refreshDrawing();
}

void FM_Main::stepBulkhead(int direction) {
  if (!actions_.nextBulkhead->isEnabled()) return;
  panels_->selector().step(direction);
}

void FM_Main::showMainData() {
  FM_MainData dialog(*this, this);
  dialog.exec();
}

void FM_Main::copyBulkheads() {
  FM_CopyBulkheads dialog(*this, this);
  dialog.exec();
}

void FM_Main::showPreferences() {
  const int marginBefore = session().screen().Margin;
  FM_Pref dialog(*this, session().iniPath(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  // A new margin frames the section anew; fonts and sizes only repaint.
  if (session().screen().Margin != marginBefore) graph_->resetZoom();
  graph_->refreshDrawing();
}

}  // namespace korain
