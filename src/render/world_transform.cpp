// The transform from world metres onto a device's rectangle, one scale for both axes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world_transform.h"

#include <algorithm>
#include <cmath>

namespace korain {

QTransform worldToDevice(const WorldWindow& window, const QRectF& device) {
  double scale = 1;
  if (!window.isEmpty() && std::isfinite(window.width) && std::isfinite(window.height)) {
    scale = std::min(device.width() / window.width, device.height() / window.height);
  }
  if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
  const double centreY = std::isfinite(window.centreY()) ? window.centreY() : 0;
  const double centreZ = std::isfinite(window.centreZ()) ? window.centreZ() : 0;
  QTransform transform;
  transform.translate(device.center().x(), device.center().y());
  transform.scale(scale, -scale);
  transform.translate(-centreY, -centreZ);
  return transform;
}

}  // namespace korain
