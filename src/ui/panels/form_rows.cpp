// Adding captioned rows, number fields and tool strips to a panel's form.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/form_rows.h"

#include <QHBoxLayout>

#include "main/toolbar_icons.h"

namespace korain {

QLabel* FormRows::add(const QString& caption, QWidget* control) {
  auto* label = new QLabel(caption, &parent_);
  label->setBuddy(control);
  grid_.addWidget(label, row_, 0);
  grid_.addWidget(control, row_++, 1);
  return label;
}

QLabel* FormRows::add(const QString& caption, QLayout* controls, QWidget* buddy) {
  auto* label = new QLabel(caption, &parent_);
  label->setBuddy(buddy);
  grid_.addWidget(label, row_, 0);
  grid_.addLayout(controls, row_++, 1);
  return label;
}

QLabel* FormRows::addAbove(const QString& caption, QWidget* control) {
  auto* label = new QLabel(caption, &parent_);
  label->setBuddy(control);
  addWide(label);
  addWide(control);
  return label;
}

void FormRows::addWide(QWidget* control) { grid_.addWidget(control, row_++, 0, 1, 2); }

void FormRows::addWide(QLayout* controls) { grid_.addLayout(controls, row_++, 0, 1, 2); }

NumberField* FormRows::addNumber(const QString& caption, const QString& name,
                                 const std::function<void()>& committed) {
  auto* field = new NumberField(&parent_);
  field->setObjectName(name);
  add(caption, field);
  QObject::connect(field, &NumberField::committed, &parent_, committed);
  return field;
}

QWidget* toolStrip(QWidget* parent, const QString& name, std::span<const StripTool> tools,
                   std::span<QToolButton*> buttons, const std::function<void(int)>& pressed) {
  auto* strip = new QWidget(parent);
  strip->setObjectName(name);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < tools.size() && i < buttons.size(); ++i) {
    auto* button = new QToolButton(strip);
    button->setObjectName(name + "_" + QString::number(i));
    button->setIcon(toolbarIcon(tools[i].icon));
    button->setToolTip(tools[i].tip);
    button->setAutoRaise(true);
    const int number = static_cast<int>(i);
    QObject::connect(button, &QToolButton::clicked, strip, [pressed, number] { pressed(number); });
    row->addWidget(button);
    buttons[i] = button;
  }
  row->addStretch(1);
  return strip;
}

}  // namespace korain
