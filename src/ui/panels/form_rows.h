// The rows of a panel's form, laid out on a grid from top to bottom: each
// caption is the buddy of its control, so that its access key reaches it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QString>
#include <QToolButton>
#include <functional>
#include <span>

#include "widgets/number_field.h"

namespace korain {

class FormRows {
 public:
  FormRows(QWidget& parent, QGridLayout& grid) : parent_(parent), grid_(grid) {}

  // A caption beside its control.
  QLabel* add(const QString& caption, QWidget* control);
  // A caption beside a row of controls, the first being the caption's buddy.
  QLabel* add(const QString& caption, QLayout* controls, QWidget* buddy);
  // A caption above its control, both across the form's width.
  QLabel* addAbove(const QString& caption, QWidget* control);
  // A control across the form's width.
  void addWide(QWidget* control);
  void addWide(QLayout* controls);
  // A number field `name` beside its caption, that calls `committed` once committed.
  NumberField* addNumber(const QString& caption, const QString& name,
                         const std::function<void()>& committed);

 private:
  QWidget& parent_;
  QGridLayout& grid_;
  int row_ = 0;
};

// A tool of a strip: its icon and its tip.
struct StripTool {
  const char* icon;
  QString tip;
};

// Raised tool buttons `name`_0, `name`_1, ... in a strip named `name`, one for
// each of `tools`, each calling `pressed` with its number; `buttons` receives them.
QWidget* toolStrip(QWidget* parent, const QString& name, std::span<const StripTool> tools,
                   std::span<QToolButton*> buttons, const std::function<void(int)>& pressed);

}  // namespace korain
