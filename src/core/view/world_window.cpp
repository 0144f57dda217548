// The bounds of what a drawing shows, the window framed on them, and zooming within it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/world_window.h"

#include <algorithm>
#include <cmath>

#include "view/section_outline.h"

namespace korain {
namespace {

constexpr double kEmptyExtent = 10;
// A half-section's centre line stands at the picture's edge: of the margin,
// only this share is kept left of it, room for the axis ticks.
constexpr double kHalfSectionLeftMargin = 0.25;

void addBulkheads(PlaneBounds& bounds, const Arrangement& arrangement) {
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) {
    for (const PlanePoint& p : nodePath(bulkhead.Nodes)) bounds.add(p);
  }
}

}  // namespace

void PlaneBounds::add(PlanePoint p) {
  if (!std::isfinite(p.y) || !std::isfinite(p.z)) return;
  yMin = std::min(yMin, p.y);
  zMin = std::min(zMin, p.z);
  yMax = std::max(yMax, p.y);
  zMax = std::max(zMax, p.z);
}

WorldWindow PlaneBounds::exact() const {
  if (isEmpty()) return {};
  return {yMin, zMin, yMax - yMin, zMax - zMin};
}

WorldWindow PlaneBounds::window() const {
  if (isEmpty()) return {0, 0, kEmptyExtent, kEmptyExtent};
  return {yMin, zMin, std::max(yMax - yMin, kGeometryTolerance),
          std::max(zMax - zMin, kGeometryTolerance)};
}

WorldWindow fullExtent(const Arrangement& arrangement, const Section* section,
                       const ShipData& ship) {
  PlaneBounds bounds;
  for (const ContourPath& outline : hullOutlines(arrangement, section, ship)) {
    for (const PlanePoint& p : flattenPath(outline, kGeometryTolerance)) bounds.add(p);
  }
  addBulkheads(bounds, arrangement);
  if (bounds.isEmpty()) return {0, 0, kEmptyExtent, kEmptyExtent};
  // The centre line is always in view: the axis is drawn along it.
  bounds.add({0, bounds.zMin});
  return bounds.window();
}

WorldWindow bulkheadExtent(const Arrangement& arrangement, int bulkhead) {
  PlaneBounds bounds;
  if (arrangement.Bulkheads.inBounds(bulkhead)) {
    for (const PlanePoint& p : nodePath(arrangement.Bulkheads.at(bulkhead).Nodes)) bounds.add(p);
  }
  return bounds.window();
}

bool isHalfSection(const WorldWindow& extent) {
  return std::abs(extent.left) <= kGeometryTolerance;
}

WorldWindow frameWindow(const WorldWindow& extent, double marginPercent, double surfaceAspect) {
  const double margin = std::max(extent.width, extent.height) * std::max(0.0, marginPercent) / 200;
  const double leftMargin = isHalfSection(extent) ? margin * kHalfSectionLeftMargin : margin;
  double width = extent.width + leftMargin + margin;
  double height = extent.height + 2 * margin;
  if (surfaceAspect > 0 && std::isfinite(surfaceAspect)) {
    if (width / height < surfaceAspect) {
      width = height * surfaceAspect;
    } else {
      height = width / surfaceAspect;
    }
  }
  const double left =
      isHalfSection(extent) ? extent.left - leftMargin : extent.centreY() - width / 2;
  return {left, extent.centreZ() - height / 2, width, height};
}

WorldWindow zoomAt(const WorldWindow& window, double y, double z, double factor) {
  const double width = window.width / factor;
  const double height = window.height / factor;
  return {y - width / 2, z - height / 2, width, height};
}

bool isZoomed(const WorldWindow& visible, const WorldWindow& full) {
  return visible.width < full.width || visible.height < full.height;
}

}  // namespace korain
