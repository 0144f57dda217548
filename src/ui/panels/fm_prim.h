// The primary members panel: the members of the current bulkhead, one at a
// time, each a horizontal or vertical line at a position.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QToolButton>
#include <array>

#include "panels/form_binder.h"
#include "panels/panel.h"
#include "panels/step_buttons.h"

namespace korain {

class FM_Prim : public Panel {
  Q_OBJECT

 public:
  explicit FM_Prim(Editor& editor, QWidget* parent = nullptr);

 protected:
  EditOutcome addItem(Arrangement& arrangement) override;
  EditOutcome removeItem(Arrangement& arrangement) override;
  void fillControls() override;

 private:
  void buildControls();

  QWidget* controls_ = nullptr;
  FormBinder* binder_ = nullptr;
  QLabel* number_ = nullptr;
  StepButtons steps_;
  QWidget* position_ = nullptr;
};

}  // namespace korain
