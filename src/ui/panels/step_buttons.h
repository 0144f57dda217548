// The previous and next buttons with which a panel steps through its objects.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHBoxLayout>
#include <QToolButton>
#include <functional>

namespace korain {

struct StepButtons {
  QToolButton* previous = nullptr;
  QToolButton* next = nullptr;

  // Each button is enabled while there is an object its way.
  void enable(bool earlier, bool later) const {
    previous->setEnabled(earlier);
    next->setEnabled(later);
  }
};

// Adds buttons `name`_0 (previous, step -1) and `name`_1 (next, step +1) to the row.
StepButtons addStepButtons(QWidget* parent, QHBoxLayout& row, const QString& name,
                           const QString& objectWord, const std::function<void(int)>& step);

}  // namespace korain
