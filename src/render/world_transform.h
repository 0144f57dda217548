// World metres (y to the right, z up) onto device coordinates (x to the
// right, y down), one scale for both axes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QTransform>

#include "view/world_window.h"

namespace korain {

// The window fills the device rectangle as far as its aspect ratio allows,
// centred; a window of no size maps onto the rectangle's centre at scale 1.
QTransform worldToDevice(const WorldWindow& window, const QRectF& device);

}  // namespace korain
