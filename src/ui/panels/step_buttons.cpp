// Adding the previous and next buttons to a panel's row.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/step_buttons.h"

#include "main/toolbar_icons.h"

namespace korain {

std::array<QToolButton*, 2> addStepButtons(QWidget* parent, QHBoxLayout& row, const QString& name,
                                           const QString& objectWord,
                                           const std::function<void(int)>& step) {
  const std::array<const char*, 2> icons = {"previous", "next"};
  const std::array<QString, 2> tips = {"Previous " + objectWord, "Next " + objectWord};
  std::array<QToolButton*, 2> buttons{};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name + "_" + QString::number(i));
    button->setIcon(toolbarIcon(icons[i]));
    button->setToolTip(tips[i]);
    button->setAutoRaise(true);
    const int direction = i == 0 ? -1 : 1;
    QObject::connect(button, &QToolButton::clicked, parent, [step, direction] { step(direction); });
    row.addWidget(button);
    buttons[i] = button;
  }
  return buttons;
}

}  // namespace korain
