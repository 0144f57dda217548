// Making the display boxes' check boxes from their table, and ticking them from the display word.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/display_box_checks.h"

#include "view/display_boxes.h"

namespace korain {
namespace {

QString displayBoxName(std::size_t box) { return "OP_View_" + QString::number(box); }

}  // namespace

QCheckBox* displayBoxCheck(QWidget* parent, std::size_t box,
                           const std::function<void(std::size_t, bool)>& clicked) {
  auto* check = new QCheckBox(kDisplayBoxes.at(box).caption, parent);
  check->setObjectName(displayBoxName(box));
  QObject::connect(check, &QCheckBox::clicked, parent,
                   [clicked, box](bool ticked) { clicked(box, ticked); });
  return check;
}

void tickDisplayBoxes(const QWidget& parent, const DisplayOptions& display) {
  for (std::size_t box = 0; box < kDisplayBoxes.size(); ++box) {
    auto* check = parent.findChild<QCheckBox*>(displayBoxName(box));
    if (check != nullptr) check->setChecked(display.shows(kDisplayBoxes.at(box).bit));
  }
}

}  // namespace korain
