// The panel place at the right of the main window: the bulkhead selector above
// the panel of the current code, each panel made on first use and kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStackedWidget>
#include <QWidget>
#include <map>

#include "editor.h"
#include "panels/fm_cb_panel.h"
#include "panels/panel.h"

namespace korain {

class PanelArea : public QWidget {
  Q_OBJECT

 public:
  explicit PanelArea(Editor& editor, QWidget* parent = nullptr);

  // The panel for a code, made if needed.
  Panel& panel(PanelCode code);
  // The panel of the current panel code (the display panel while zooming).
  Panel& currentPanel();
  // Lays out, titles, fills and shows a panel.
  void showPanel(Panel& shown);
  // While zooming, the display panel takes the panel place.
  void setZoomMode(bool on) { zoomMode_ = on; }

  FM_CBPanel& selector() { return *selector_; }

  QSize minimumSizeHint() const override;

 private:
  Editor& editor_;
  FM_CBPanel* selector_;
  QStackedWidget* stack_;
  std::map<PanelCode, Panel*> panels_;
  bool zoomMode_ = false;
};

}  // namespace korain
