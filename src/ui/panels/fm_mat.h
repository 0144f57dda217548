// The check panel: the title of the rule check shown and its legend, while
// the drawing colours every bulkhead by that check.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <array>

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
  void showLegend(const QString& title, const std::vector<LegendSwatch>& swatches);

  QLabel* title_ = nullptr;                             // SS_Title
  std::array<QLabel*, kLegendSwatchCount> swatches_{};  // SH_Mat_k
  std::array<QLabel*, kLegendSwatchCount> labels_{};    // LB_Mat_k
};

}  // namespace korain
