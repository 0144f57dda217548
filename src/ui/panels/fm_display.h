// The display panel: which elements the drawing always shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <array>

#include "panels/panel.h"
#include "view/display_boxes.h"

namespace korain {

class FM_Display : public Panel {
  Q_OBJECT

 public:
  explicit FM_Display(Editor& editor, QWidget* parent = nullptr);

 protected:
  void fillControls() override;

 private:
  void viewClicked(std::size_t box, bool ticked);

  std::array<QCheckBox*, kDisplayBoxCount> views_{};  // OP_View_0 to 9
};

}  // namespace korain
