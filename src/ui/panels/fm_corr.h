// The corrugation panel: the corrugation of the current bulkhead (start,
// spacing, flange width, depth and its two supports), beside a sketch that
// shows what the values measure.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/form_binder.h"
#include "panels/panel.h"

namespace korain {

class FM_Corr : public Panel {
  Q_OBJECT

 public:
  explicit FM_Corr(Editor& editor, QWidget* parent = nullptr);

 protected:
  void fillControls() override;

 private:
  void buildControls();

  QWidget* controls_ = nullptr;
  FormBinder* binder_ = nullptr;
};

}  // namespace korain
