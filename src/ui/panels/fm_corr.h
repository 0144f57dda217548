// The corrugation panel: the corrugation of the current bulkhead (start,
// spacing, flange width, depth and its two supports), beside a sketch that
// shows what the values measure.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <array>

#include "panels/panel.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Corr : public Panel {
  Q_OBJECT

 public:
  explicit FM_Corr(Editor& editor, QWidget* parent = nullptr);

 protected:
  void fillControls() override;

 private:
  void buildControls();
  void change();

  QWidget* controls_ = nullptr;
  std::array<NumberField*, 4> fields_{};  // FTX_m 0..3: start, S1, a, d
  std::array<QCheckBox*, 2> supports_{};  // OP_Support 0 upper, 1 lower
};

}  // namespace korain
