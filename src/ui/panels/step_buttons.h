// The previous and next buttons with which a panel steps through its objects.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHBoxLayout>
#include <QToolButton>
#include <array>
#include <functional>

namespace korain {

// Adds buttons `name`_0 (previous, step -1) and `name`_1 (next, step +1) to the row.
std::array<QToolButton*, 2> addStepButtons(QWidget* parent, QHBoxLayout& row, const QString& name,
                                           const QString& objectWord,
                                           const std::function<void(int)>& step);

}  // namespace korain
