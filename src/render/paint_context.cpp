#include "render/paint_context.h"

#include <cmath>

namespace korain {

QColor PaintContext::paletteColour(Long index) const {
  const int count = options.Palette.count();
  if (index <= 0 || count == 0) return {};
  const Long rgb = options.Palette.at(static_cast<int>((index - 1) % count) + 1);
  return QColor::fromRgb(static_cast<QRgb>(rgb) | 0xFF000000U);
}

void drawWorldPolyline(PaintContext& context, const std::vector<PlanePoint>& points, bool closed) {
  QPolygonF run;
  auto flush = [&] {
    if (run.size() >= 2) context.painter.drawPolyline(run);
    run.clear();
  };
  for (const PlanePoint& p : points) {
    if (!std::isfinite(p.y) || !std::isfinite(p.z)) {
      flush();
      continue;
    }
    run << context.map(p);
  }
  if (closed && run.size() >= 3 && run.size() == static_cast<qsizetype>(points.size())) {
    run << run.first();
  }
  flush();
}

}  // namespace korain
