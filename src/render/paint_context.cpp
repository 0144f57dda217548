// The palette's colours, and drawing world polylines and paths through the paint context.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint_context.h"

#include <algorithm>
#include <cmath>

namespace korain {

QColor PaintContext::paletteColour(Long index) const {
  return korain::paletteColour(options, index);
}

QColor paletteColour(const DisplayOptions& options, Long index) {
  const int count = options.Palette.count();
  if (index <= 0 || count == 0) return {};
  const Long rgb = options.Palette.at(static_cast<int>((index - 1) % count) + 1);
  return QColor::fromRgb(static_cast<QRgb>(rgb) | 0xFF000000U);
}

void drawWorldPolyline(PaintContext& context, const std::vector<PlanePoint>& points) {
  QPolygonF run;
  auto flush = [&] {
    if (run.size() >= 2) drawDevicePolyline(context.painter, run);
    run.clear();
  };
  for (const PlanePoint& p : points) {
    if (!std::isfinite(p.y) || !std::isfinite(p.z)) {
      flush();
      continue;
    }
    run << context.map(p);
  }
  flush();
}

// Half a pixel keeps a chord on its arc's pixels, but a wide pen still shows
// the turn between chords on a large arc; a tenth of a pixel makes it too
// small to see.
constexpr double kArcDeviationPixels = 0.1;

void drawWorldPath(PaintContext& context, const ContourPath& path) {
  const double pixelsPerMetre = std::abs(context.toDevice.m11());
  drawWorldPolyline(
      context, flattenPath(path, pixelsPerMetre > 0 ? kArcDeviationPixels / pixelsPerMetre : 0));
}

void drawDevicePolyline(QPainter& painter, const QPolygonF& line) {
  // A wide pen's outline of a whole polyline is filled as one path, at a cost
  // that grows with the square of its self-crossings: a contour that zigzags
  // (as one does while its nodes are typed in) stalled a repaint for seconds.
  // Solid lines with round ends and joins look the same drawn segment by
  // segment, at a cost linear in their length.
  const QPen& pen = painter.pen();
  if (pen.style() != Qt::SolidLine || pen.capStyle() != Qt::RoundCap) {
    painter.drawPolyline(line);
    return;
  }
  // One call per segment: the engine strokes the lines of one call as one path.
  for (qsizetype i = 1; i < line.size(); ++i) painter.drawLine(line[i - 1], line[i]);
}

}  // namespace korain
