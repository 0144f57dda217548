// The contour as a path of lines and arcs, and that path flattened to points.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour_path.h"

#include <algorithm>
#include <cmath>

#include "geometry/contour_arc.h"

namespace korain {
namespace {

constexpr int kMostChords = 4096;

void addVertex(ContourPath& path, PlanePoint point, double bulge) {
  if (!path.empty() && isSamePoint(path.back().point, point, kGeometryTolerance)) {
    path.back().bulge = bulge;
    return;
  }
  path.push_back({point, bulge});
}

void addArc(ContourPath& path, const Node& node) {
  const ArcSweep arc = arcSweep(node);
  addVertex(path, pointOnArc(node, arc.start), std::tan(arc.sweep / 4));
  // A plain arc ends on its node, which follows with its own exact point.
  const PlanePoint end = pointOnArc(node, arc.start + arc.sweep);
  if (!isSamePoint(end, pointOf(node), kGeometryTolerance)) path.push_back({end, 0});
}

int chordsFor(double sweep, double radius, double maxDeviation) {
  if (!(maxDeviation > 0) || maxDeviation >= radius) return 1;
  const double step = 2 * std::acos(1 - maxDeviation / radius);
  return std::clamp(static_cast<int>(std::ceil(std::abs(sweep) / step)), 1, kMostChords);
}

void addArcPoints(std::vector<PlanePoint>& points, PlanePoint from, PlanePoint to, double bulge,
                  double maxDeviation) {
  const double sweep = 4 * std::atan(bulge);
  const double chord = distance(from, to);
  const double radius = chord * (1 + bulge * bulge) / (4 * std::abs(bulge));
  // The centre lies on the chord's left normal for an anticlockwise arc.
  const double offset = chord / 2 * (1 - bulge * bulge) / (2 * bulge);
  const PlanePoint normal{-(to.z - from.z) / chord, (to.y - from.y) / chord};
  const PlanePoint centre{(from.y + to.y) / 2 + normal.y * offset,
                          (from.z + to.z) / 2 + normal.z * offset};
  const double start = std::atan2(from.z - centre.z, from.y - centre.y);
  const int chords = chordsFor(sweep, radius, maxDeviation);
  for (int i = 1; i < chords; ++i) {
    const double angle = start + sweep * i / chords;
    points.push_back({centre.y + radius * std::cos(angle), centre.z + radius * std::sin(angle)});
  }
}

}  // namespace

ContourPath contourPath(const List<Node>& nodes) {
  ContourPath path;
  for (const Node& node : nodes) {
    if (isArcCode(node.ShCur) && node.ArcValid) addArc(path, node);
    addVertex(path, pointOf(node), 0);
  }
  return path;
}

std::vector<PlanePoint> flattenPath(const ContourPath& path, double maxDeviation) {
  std::vector<PlanePoint> points;
  for (std::size_t i = 0; i < path.size(); ++i) {
    points.push_back(path[i].point);
    const bool arc = path[i].bulge != 0 && std::isfinite(path[i].bulge);
    if (arc && i + 1 < path.size()) {
      addArcPoints(points, path[i].point, path[i + 1].point, path[i].bulge, maxDeviation);
    }
  }
  return points;
}

}  // namespace korain
