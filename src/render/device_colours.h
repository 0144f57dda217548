// Colours on devices with few colours: there a drawing colour that happens to
// be the system's button-face colour becomes light grey, and one that is the
// window colour becomes white, so that nothing melts into the surroundings of
// a dithered or paletted display.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPalette>

namespace korain {

// The number of colours the device can show: 2 to the power of its depth,
// capped for true-colour devices.
long deviceColourCount(const QPaintDevice& device);

QColor colourForDevice(const QColor& colour, long deviceColours, const QPalette& system);

}  // namespace korain
