// The display panel: which elements the drawing always shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <cstddef>

#include "panels/panel.h"

namespace korain {

class FM_Display : public Panel {
  Q_OBJECT

 public:
  explicit FM_Display(Editor& editor, QWidget* parent = nullptr);

 protected:
  void fillControls() override;

 private:
  // Box `box` of the display boxes' table (OP_View_<box>) ticked or cleared.
  void viewClicked(std::size_t box, bool ticked);
  // "Supports while editing stiffeners" ticked or cleared: a view option, nothing to undo.
  void supportsClicked(bool ticked);

  QCheckBox* stiffenerSupports_ = nullptr;
};

}  // namespace korain
