// The check panel: the title of the rule check shown and its legend, while
// the drawing colours every bulkhead by that check.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGridLayout>
#include <QLabel>

#include "checks/check_view.h"
#include "panels/panel.h"

namespace korain {

class FM_Mat : public Panel {
  Q_OBJECT

 public:
  explicit FM_Mat(Editor& editor, QWidget* parent = nullptr);

 protected:
  // Builds the legend of the session's check kind over every bulkhead
  // (none is current meanwhile) and shows it.
  void fillControls() override;

 private:
  // Row k of the legend: its swatch SH_Mat_k and its label LB_Mat_k.
  void addLegendRow(QGridLayout& grid, int k);
  void showLegend(const QString& title, const std::vector<LegendSwatch>& swatches);
  // Row k of the legend showing `swatch`, or hidden without one.
  void showLegendRow(int k, const LegendSwatch* swatch);

  QLabel* title_ = nullptr;  // SS_Title
};

}  // namespace korain
