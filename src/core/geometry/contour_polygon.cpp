// The contour as a polygon, whether it closes, and its bounds.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour_polygon.h"

#include <cmath>

#include "geometry/contour_arc.h"

namespace korain {
namespace {

constexpr double kArcStep = 0.2;

void addPoint(std::vector<PlanePoint>& polygon, PlanePoint point) {
  if (!polygon.empty() && isSamePoint(polygon.back(), point, kGeometryTolerance)) return;
  polygon.push_back(point);
}

void addArcPoints(std::vector<PlanePoint>& polygon, const Node& node) {
  const ArcSweep arc = arcSweep(node);
  const double step = arc.sweep < 0 ? -kArcStep : kArcStep;
  const int steps = static_cast<int>(std::ceil(std::abs(arc.sweep) / kArcStep));
  for (int i = 0; i < steps; ++i) addPoint(polygon, pointOnArc(node, arc.start + i * step));
  addPoint(polygon, pointOnArc(node, arc.start + arc.sweep));
}

bool onCentreLine(const Node& node) { return std::abs(node.Y) < kGeometryTolerance; }

}  // namespace

std::vector<PlanePoint> contourPolygon(const Bulkhead& bulkhead) {
  std::vector<PlanePoint> polygon;
  polygon.reserve(static_cast<std::size_t>(bulkhead.Nodes.count()));
  for (const Node& node : bulkhead.Nodes) {
    if (isArcCode(node.ShCur) && node.ArcValid) addArcPoints(polygon, node);
    addPoint(polygon, {node.Y, node.Z});
  }
  return polygon;
}

bool endsJoined(const List<Node>& nodes) {
  if (!nodes.isDimensioned()) return false;
  const Node& first = nodes.first();
  const Node& last = nodes.last();
  return isSamePoint({first.Y, first.Z}, {last.Y, last.Z}, kGeometryTolerance);
}

bool isClosedContour(const List<Node>& nodes, Long symFlag) {
  return endsJoined(nodes) || (nodes.isDimensioned() && symFlag == 0 &&
                               onCentreLine(nodes.first()) && onCentreLine(nodes.last()));
}

void computeClosure(Bulkhead& bulkhead, Long symFlag) {
  bulkhead.EndsJoined = endsJoined(bulkhead.Nodes);
  bulkhead.Closed = isClosedContour(bulkhead.Nodes, symFlag);
}

void computeBounds(Bulkhead& bulkhead, const std::vector<PlanePoint>& polygon) {
  double yMin = 9999;
  double zMin = 9999;
  double yMax = -9999;
  double zMax = -9999;
  for (const PlanePoint& point : polygon) {
    if (point.y < yMin) yMin = point.y;
    if (point.z < zMin) zMin = point.z;
    if (point.y > yMax) yMax = point.y;
    if (point.z > zMax) zMax = point.z;
  }
  bulkhead.YMin = static_cast<Single>(yMin);
  bulkhead.ZMin = static_cast<Single>(zMin);
  bulkhead.YMax = static_cast<Single>(yMax);
  bulkhead.ZMax = static_cast<Single>(zMax);
  bulkhead.ZLow = bulkhead.Stool1Enabled ? bulkhead.Stool1Z : bulkhead.ZMin;
  bulkhead.ZHigh = bulkhead.Stool2Enabled ? bulkhead.Stool2Z : bulkhead.ZMax;
}

}  // namespace korain
