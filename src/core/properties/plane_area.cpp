// Clipping a polygon of the plane, and its area and centroid.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/plane_area.h"

#include <cmath>
#include <functional>

namespace korain {
namespace {

// Sutherland-Hodgman against one half-plane, given by whether a point is inside
// and where an edge crosses its border.
using Inside = std::function<bool(PlanePoint)>;
using Crossing = std::function<PlanePoint(PlanePoint, PlanePoint)>;

std::vector<PlanePoint> clippedToHalfPlane(const std::vector<PlanePoint>& polygon,
                                           const Inside& inside, const Crossing& crossing) {
  std::vector<PlanePoint> clipped;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PlanePoint from = polygon[i];
    const PlanePoint to = polygon[(i + 1) % polygon.size()];
    const bool fromInside = inside(from);
    if (fromInside) clipped.push_back(from);
    if (fromInside != inside(to)) clipped.push_back(crossing(from, to));
  }
  return clipped;
}

PlanePoint atY(PlanePoint a, PlanePoint b, double y) {
  const double t = (y - a.y) / (b.y - a.y);
  return {.y = y, .z = a.z + t * (b.z - a.z)};
}

PlanePoint atZ(PlanePoint a, PlanePoint b, double z) {
  const double t = (z - a.z) / (b.z - a.z);
  return {.y = a.y + t * (b.y - a.y), .z = z};
}

}  // namespace

AreaAndCentroid areaAndCentroid(const std::vector<PlanePoint>& polygon) {
  double twiceArea = 0;
  double sumY = 0;
  double sumZ = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PlanePoint p = polygon[i];
    const PlanePoint q = polygon[(i + 1) % polygon.size()];
    const double cross = p.y * q.z - q.y * p.z;
    twiceArea += cross;
    sumY += (p.y + q.y) * cross;
    sumZ += (p.z + q.z) * cross;
  }
  if (twiceArea == 0) return {};
  return {.area = std::abs(twiceArea) / 2,
          .centroid = {.y = sumY / (3 * twiceArea), .z = sumZ / (3 * twiceArea)}};
}

std::vector<PlanePoint> clippedToBox(const std::vector<PlanePoint>& polygon, PlanePoint low,
                                     PlanePoint high) {
  std::vector<PlanePoint> clipped = polygon;
  clipped = clippedToHalfPlane(
      clipped, [&](PlanePoint p) { return p.y >= low.y; },
      [&](PlanePoint a, PlanePoint b) { return atY(a, b, low.y); });
  clipped = clippedToHalfPlane(
      clipped, [&](PlanePoint p) { return p.y <= high.y; },
      [&](PlanePoint a, PlanePoint b) { return atY(a, b, high.y); });
  clipped = clippedToHalfPlane(
      clipped, [&](PlanePoint p) { return p.z >= low.z; },
      [&](PlanePoint a, PlanePoint b) { return atZ(a, b, low.z); });
  return clippedToHalfPlane(
      clipped, [&](PlanePoint p) { return p.z <= high.z; },
      [&](PlanePoint a, PlanePoint b) { return atZ(a, b, high.z); });
}

}  // namespace korain
