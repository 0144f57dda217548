// Adding the previous and next buttons to a panel's row.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/step_buttons.h"

#include "main/toolbar_icons.h"

namespace korain {
namespace {

QToolButton* stepButton(QWidget* parent, QHBoxLayout& row, const QString& name, const char* icon,
                        const QString& tip, const std::function<void()>& pressed) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(toolbarIcon(icon));
  button->setToolTip(tip);
  button->setAutoRaise(true);
  QObject::connect(button, &QToolButton::clicked, parent, pressed);
  row.addWidget(button);
  return button;
}

}  // namespace

StepButtons addStepButtons(QWidget* parent, QHBoxLayout& row, const QString& name,
                           const QString& objectWord, const std::function<void(int)>& step) {
  return {.previous = stepButton(parent, row, name + "_0", "previous", "Previous " + objectWord,
                                 [step] { step(-1); }),
          .next = stepButton(parent, row, name + "_1", "next", "Next " + objectWord,
                             [step] { step(1); })};
}

}  // namespace korain
