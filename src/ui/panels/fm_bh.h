// The bulkhead panel: name, type, plating material, stiffener direction and
// side, and the two stools of the current bulkhead; adds and removes bulkheads.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include "panels/form_binder.h"
#include "panels/panel.h"

namespace korain {

class FM_Bh : public Panel {
  Q_OBJECT

 public:
  explicit FM_Bh(Editor& editor, QWidget* parent = nullptr);

  // Adding or removing a bulkhead moves the ones after it.
  EditScope scopeOf(ItemCommand command) const override;

 protected:
  EditOutcome addItem(Arrangement& arrangement) override;
  EditOutcome removeItem(Arrangement& arrangement) override;
  void fillControls() override;
  // The stool controls.
  void fillRows() override;

 private:
  void buildControls();
  void showWeight();

  QWidget* form_ = nullptr;
  FormBinder* binder_ = nullptr;
  QLabel* weight_ = nullptr;  // the bulkhead's steel weight, read only
};

}  // namespace korain
