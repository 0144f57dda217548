// The check boxes of the display boxes, one per row of the shared table, as
// the display panel and the drawing print dialog show them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <cstddef>
#include <functional>

#include "view/display_options.h"

namespace korain {

// The check box of the table's row `box`, named OP_View_<box>, captioned as
// the row says; a click hands the row and the new tick to `clicked`.
QCheckBox* displayBoxCheck(QWidget* parent, std::size_t box,
                           const std::function<void(std::size_t, bool)>& clicked);

// Ticks each display box check under `parent` as the display word says.
void tickDisplayBoxes(const QWidget& parent, const DisplayOptions& display);

}  // namespace korain
