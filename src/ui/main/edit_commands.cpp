// The main window's editing and view commands: undo, add, delete and insert on
// the current panel, the object tools, zoom and the bulkhead steps.
#include "dialogs/fm_main_data.h"
#include "drawing/fm_graph.h"
#include "main/fm_main.h"
#include "main/panel_area.h"

namespace korain {

void FM_Main::undo() {
  if (!session().undo()) return;
  refreshAll();
}

void FM_Main::addObject() {
  Panel& panel = panels_->panel(session().display().CurrentPanel);
  if (!panel.canAdd()) return;
  recordUndo("Add " + panelKindText(session().display().CurrentPanel));
  panel.addItem();
  refreshAll();
}

void FM_Main::deleteObject() {
  Panel& panel = panels_->panel(session().display().CurrentPanel);
  if (!panel.canRemove()) return;
  // Taken before the question: a No still leaves an undo entry.
  recordUndo("Delete " + panelKindText(session().display().CurrentPanel));
  panel.removeItem();
  refreshAll();
}

void FM_Main::insertObject() {
  Panel& panel = panels_->panel(session().display().CurrentPanel);
  if (!panel.canInsert()) return;
  recordUndo("Insert " + panelKindText(session().display().CurrentPanel));
  panel.insertItem();
  refreshAll();
}

void FM_Main::chooseObjectTool(int tool, bool pressed) {
  if (refreshing()) return;
  session().display().CurrentPanel = pressed ? panelOfObjectTool(tool) : PanelCode::Display;
  refreshAll();
}

void FM_Main::setZoomTool(bool on) {
  actions_.zoomTool->setChecked(on);
  panels_->setZoomMode(on);
  session().display().Tool = on ? kZoomTool : kPickTool;
  actions_.zoomItem->setText(on ? "E&xit zoom" : "&Zoom");
  graph_->applyTool();
  refreshPanel();
  refreshDrawing();
}

void FM_Main::resetZoom() {
  if (actions_.zoomTool->isChecked()) setZoomTool(false);
  graph_->resetZoom();
  refreshDrawing();
}

void FM_Main::stepBulkhead(int direction) {
  if (!actions_.nextBulkhead->isEnabled()) return;
  panels_->selector().step(direction);
}

void FM_Main::showMainData() {
  FM_MainData dialog(*this, this);
  dialog.exec();
}

}  // namespace korain
