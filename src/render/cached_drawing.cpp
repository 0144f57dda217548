// Painting the drawing with its background kept as a picture while it stays the same.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cached_drawing.h"

namespace korain {

CachedDrawing::Key CachedDrawing::keyOf(const QPainter& painter, const QRectF& device,
                                        const WorldWindow& window, const DrawingScene& scene,
                                        double pixelsPerPoint,
                                        std::vector<std::uint64_t> versions) {
  const Arrangement& arrangement = scene.arrangement;
  if (arrangement.Bulkheads.inBounds(arrangement.CurBulkhead)) {
    versions.at(static_cast<std::size_t>(arrangement.CurBulkhead - 1)) = 0;
  }
  return {device,
          painter.device()->devicePixelRatio(),
          window.left,
          window.bottom,
          window.width,
          window.height,
          pixelsPerPoint,
          scene.section,
          arrangement.X,
          arrangement.SymFlag,
          scene.options.DisplayWord,
          scene.options.CheckMode,
          scene.options.Palette,
          scene.labels,
          arrangement.CurBulkhead,
          std::move(versions)};
}

void CachedDrawing::paint(QPainter& painter, const QRectF& device, const WorldWindow& window,
                          const DrawingScene& scene, double pixelsPerPoint,
                          const std::vector<std::uint64_t>& versions) {
  Key key = keyOf(painter, device, window, scene, pixelsPerPoint, versions);
  reused_ = key == key_ && !background_.isNull();
  if (!reused_) {
    const double ratio = key.devicePixelRatio;
    background_ = QImage((device.size() * ratio).toSize(), QImage::Format_RGB32);
    background_.setDevicePixelRatio(ratio);
    QPainter onBackground(&background_);
    onBackground.translate(-device.topLeft());
    labels_ = paintBackground(onBackground, device, window, scene, pixelsPerPoint);
    key_ = std::move(key);
  }
  painter.drawImage(device.topLeft(), background_);
  paintForeground(painter, device, window, scene, pixelsPerPoint, labels_);
}

}  // namespace korain
