// Counting a device's colours, and the colour a drawing colour becomes on it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_colours.h"

namespace korain {
namespace {

constexpr long kFewColours = 256;

}  // namespace

long deviceColourCount(const QPaintDevice& device) {
  const int depth = device.depth();
  if (depth <= 0) return 2;
  if (depth >= 24) return 1L << 24;
  return 1L << depth;
}

QColor colourForDevice(const QColor& colour, long deviceColours, const QPalette& system) {
  if (deviceColours > kFewColours) return colour;
  if (colour.rgb() == system.color(QPalette::Button).rgb()) return {192, 192, 192};
  if (colour.rgb() == system.color(QPalette::Window).rgb()) return {Qt::white};
  return colour;
}

}  // namespace korain
