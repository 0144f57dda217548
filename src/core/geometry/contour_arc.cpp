// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour_arc.h"

#include <cmath>
#include <numbers>

namespace korain {
namespace {

PlanePoint unit(PlanePoint from, PlanePoint to) {
  const double length = distance(from, to);
  return {(to.y - from.y) / length, (to.z - from.z) / length};
}

struct Circle {
  PlanePoint centre;
  PlanePoint start;
  PlanePoint end;
};

bool arcThroughNodes(PlanePoint from, PlanePoint to, double radius, Circle& circle) {
  const double r = std::abs(radius);
  const double chord = distance(from, to);
  if (r < kGeometryTolerance || chord < kGeometryTolerance || chord > 2 * r + kGeometryTolerance) {
    return false;
  }
  const double half = chord / 2;
  const double height = std::sqrt(std::max(0.0, r * r - half * half));
  const PlanePoint along = unit(from, to);
  const double side = radius > 0 ? 1 : -1;  // left of the chord turns anticlockwise
  circle.centre = {(from.y + to.y) / 2 - side * along.z * height,
                   (from.z + to.z) / 2 + side * along.y * height};
  circle.start = from;
  circle.end = to;
  return true;
}

bool roundedCorner(PlanePoint from, PlanePoint corner, PlanePoint to, double radius,
                   Circle& circle) {
  const double r = std::abs(radius);
  const double inLength = distance(from, corner);
  const double outLength = distance(corner, to);
  if (r < kGeometryTolerance || inLength < kGeometryTolerance || outLength < kGeometryTolerance) {
    return false;
  }
  const PlanePoint in = unit(from, corner);
  const PlanePoint out = unit(corner, to);
  const double turnSine = in.y * out.z - in.z * out.y;
  const double turn = std::atan2(std::abs(turnSine), in.y * out.y + in.z * out.z);
  const bool turnsAnticlockwise = turnSine > 0;
  if (turn < 1e-6 || turn > std::numbers::pi - 1e-6 || turnsAnticlockwise != (radius > 0)) {
    return false;
  }
  const double setBack = r * std::tan(turn / 2);
  if (setBack > inLength + kGeometryTolerance || setBack > outLength + kGeometryTolerance) {
    return false;
  }
  const double side = turnsAnticlockwise ? 1 : -1;
  circle.start = {corner.y - in.y * setBack, corner.z - in.z * setBack};
  circle.end = {corner.y + out.y * setBack, corner.z + out.z * setBack};
  circle.centre = {circle.start.y - side * in.z * r, circle.start.z + side * in.y * r};
  return true;
}

Single angleFromCentre(PlanePoint centre, PlanePoint point) {
  return static_cast<Single>(std::atan2(point.z - centre.z, point.y - centre.y));
}

void clearArc(Node& node) {
  node.ArcValid = false;
  node.ArcCentreY = node.ArcCentreZ = 0;
  node.ArcStartAngle = node.ArcEndAngle = 0;
}

}  // namespace

bool isArcCode(Long curveCode) { return curveCode == kCurveArc || curveCode == kCurveTangentArc; }

bool isFinite(const Node& node) {
  return std::isfinite(node.Y) && std::isfinite(node.Z) &&
         (!isArcCode(node.ShCur) ||
          (std::isfinite(node.ShYT) && std::isfinite(node.ShZT) && std::isfinite(node.ShR)));
}

bool computeArc(PlanePoint previous, Node& node) {
  Circle circle;
  const bool described =
      node.ShCur == kCurveArc
          ? arcThroughNodes(previous, pointOf(node), node.ShR, circle)
          : roundedCorner(previous, {node.ShYT, node.ShZT}, pointOf(node), node.ShR, circle);
  clearArc(node);
  if (!described) return false;
  node.ArcValid = true;
  node.ArcCentreY = static_cast<Single>(circle.centre.y);
  node.ArcCentreZ = static_cast<Single>(circle.centre.z);
  node.ArcStartAngle = angleFromCentre(circle.centre, circle.start);
  node.ArcEndAngle = angleFromCentre(circle.centre, circle.end);
  return true;
}

ArcSweep arcSweep(const Node& node) {
  double start = node.ArcStartAngle;
  double end = node.ArcEndAngle;
  if (node.ShR > 0) {
    if (end < start) end += kTwoPi;
  } else if (start < end) {
    start += kTwoPi;
  }
  return {start, end - start};
}

PlanePoint pointOnArc(const Node& node, double angle) {
  const double r = std::abs(static_cast<double>(node.ShR));
  return {node.ArcCentreY + r * std::cos(angle), node.ArcCentreZ + r * std::sin(angle)};
}

Integer computeBHeadGeometry(Bulkhead& bulkhead) {
  bool complete = bulkhead.Nodes.isDimensioned();
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    Node& node = bulkhead.Nodes.at(k);
    const bool finite = isFinite(node);
    complete = finite && complete;
    if (!isArcCode(node.ShCur)) {
      clearArc(node);
      continue;
    }
    const bool hasPrevious = k > 1 && finite && isFinite(bulkhead.Nodes.at(k - 1));
    if (hasPrevious) {
      complete = computeArc(pointOf(bulkhead.Nodes.at(k - 1)), node) && complete;
    } else {
      clearArc(node);
      complete = false;
    }
  }
  return complete ? 1 : 0;
}

}  // namespace korain
