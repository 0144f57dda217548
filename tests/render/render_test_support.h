// A scene painted into an image, and colour probes at world points.
#pragma once

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "../core/geometry/geometry_test_support.h"
#include "render/arrangement_painter.h"
#include "render/world_transform.h"

namespace korain::testing {

// The rectangle 0..10 x 0..8 with a one-metre border, at 40 pixels a metre.
inline constexpr WorldWindow kRectangleWindow{-1, -1, 12, 10};

struct Canvas {
  Arrangement arrangement;
  ShipData ship;
  DisplayOptions options;
  DisplayConfig labels = defaultDisplayConfig();
  // Offset by half a pixel so that lines on whole metres fall on pixel
  // centres and keep their full colour through the anti-aliasing.
  QRectF device{0.5, 0.5, 480, 400};
  QImage image;

  Canvas() { options.DisplayWord = 0; }
  void compute() {
    GeometryState state;
    MessageList messages;
    computeGeometry(arrangement, state, messages, 1);
  }
  const QImage& paint(const WorldWindow& window = kRectangleWindow) {
    image = QImage(481, 401, QImage::Format_RGB32);
    image.fill(Qt::black);  // the painter must cover it with its own white
    QPainter painter(&image);
    paintArrangement(painter, device, window, {arrangement, nullptr, ship, options, labels}, 1);
    return image;
  }
  QPoint pixelAt(double y, double z, const WorldWindow& window = kRectangleWindow) const {
    return worldToDevice(window, device).map(QPointF(y, z)).toPoint();
  }
};

inline int colourDistance(QColor a, QColor b) {
  return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                   std::abs(a.blue() - b.blue())});
}

// Whether a pixel within `radius` of `at` has `colour`, within `tolerance` in
// every channel: anti-aliasing may move a thin line's full colour by a pixel.
inline bool colourNear(const QImage& image, QPoint at, QColor colour, int radius = 2,
                       int tolerance = 16) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (image.valid(p) && colourDistance(image.pixelColor(p), colour) <= tolerance) return true;
    }
  }
  return false;
}

inline int pixelsLike(const QImage& image, QColor colour, QRect area, int tolerance = 8) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += colourDistance(image.pixelColor(x, y), colour) <= tolerance;
  }
  return count;
}

inline const QColor kWhite(255, 255, 255);
inline const QColor kContourColour(24, 39, 66);
inline const QColor kCurrentColour(0, 94, 184);
inline const QColor kMemberColour(120, 28, 28);
inline const QColor kStrakeFill(235, 240, 247);
inline const QColor kHullColour(150, 156, 165);

}  // namespace korain::testing
