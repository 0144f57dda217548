// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour_arc.h"

#include <cmath>
#include <numbers>

#include "text/format_message.h"

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

// Each builder gives why the data describe no arc, or an empty text when they do.
std::string arcThroughNodes(PlanePoint from, PlanePoint to, double radius, Circle& circle) {
  const double r = std::abs(radius);
  const double chord = distance(from, to);
  if (r < kGeometryTolerance)
    return formatMessage("radius ¤ m is too small for an arc", {static_cast<Single>(radius)});
  if (chord < kGeometryTolerance) return "it lies on the node before it: no arc joins them";
  if (chord > 2 * r + kGeometryTolerance) {
    return formatMessage("radius ¤ m is smaller than half its chord ¤ m",
                         {static_cast<Single>(radius), toTheMillimetre(chord / 2)});
  }
  const double half = chord / 2;
  const double height = std::sqrt(std::max(0.0, r * r - half * half));
  const PlanePoint along = unit(from, to);
  const double side = radius > 0 ? 1 : -1;  // left of the chord turns anticlockwise
  circle.centre = {(from.y + to.y) / 2 - side * along.z * height,
                   (from.z + to.z) / 2 + side * along.y * height};
  circle.start = from;
  circle.end = to;
  return {};
}

std::string roundedCorner(PlanePoint from, PlanePoint corner, PlanePoint to, double radius,
                          Circle& circle) {
  const double r = std::abs(radius);
  const double inLength = distance(from, corner);
  const double outLength = distance(corner, to);
  if (r < kGeometryTolerance)
    return formatMessage("radius ¤ m is too small for an arc", {static_cast<Single>(radius)});
  if (inLength < kGeometryTolerance) return "its tangent point lies on the node before it";
  if (outLength < kGeometryTolerance) return "its tangent point lies on the node itself";
  const PlanePoint in = unit(from, corner);
  const PlanePoint out = unit(corner, to);
  const double turnSine = in.y * out.z - in.z * out.y;
  const double turn = std::atan2(std::abs(turnSine), in.y * out.y + in.z * out.z);
  const bool turnsAnticlockwise = turnSine > 0;
  if (turn < 1e-6 || turn > std::numbers::pi - 1e-6) {
    return "its tangent point makes no corner to round";
  }
  if (turnsAnticlockwise != (radius > 0)) {
    return formatMessage("radius ¤ m turns against the corner at its tangent point",
                         {static_cast<Single>(radius)});
  }
  const double setBack = r * std::tan(turn / 2);
  if (setBack > inLength + kGeometryTolerance || setBack > outLength + kGeometryTolerance) {
    return formatMessage(
        "radius ¤ m needs ¤ m on each side of the corner, more than the ¤ m "
        "and ¤ m there are",
        {static_cast<Single>(radius), toTheMillimetre(setBack), toTheMillimetre(inLength),
         toTheMillimetre(outLength)});
  }
  const double side = turnsAnticlockwise ? 1 : -1;
  circle.start = {corner.y - in.y * setBack, corner.z - in.z * setBack};
  circle.end = {corner.y + out.y * setBack, corner.z + out.z * setBack};
  circle.centre = {circle.start.y - side * in.z * r, circle.start.z + side * in.y * r};
  return {};
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
  std::string fault;
  return computeArc(previous, node, fault);
}

bool computeArc(PlanePoint previous, Node& node, std::string& fault) {
  Circle circle;
  fault = node.ShCur == kCurveArc
              ? arcThroughNodes(previous, pointOf(node), node.ShR, circle)
              : roundedCorner(previous, {node.ShYT, node.ShZT}, pointOf(node), node.ShR, circle);
  clearArc(node);
  if (!fault.empty()) return false;
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
  std::vector<NodeFault> faults;
  return computeBHeadGeometry(bulkhead, faults);
}

Integer computeBHeadGeometry(Bulkhead& bulkhead, std::vector<NodeFault>& faults) {
  bool complete = bulkhead.Nodes.isDimensioned();
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    Node& node = bulkhead.Nodes.at(k);
    const bool finite = isFinite(node);
    complete = finite && complete;
    if (!finite) faults.push_back({k, "a coordinate is not a number"});
    if (!isArcCode(node.ShCur)) {
      clearArc(node);
      continue;
    }
    std::string fault;
    if (k == 1) {
      fault = "an arc needs a node before it";
    } else if (finite && isFinite(bulkhead.Nodes.at(k - 1))) {
      computeArc(pointOf(bulkhead.Nodes.at(k - 1)), node, fault);
    }
    if (!node.ArcValid) {
      clearArc(node);
      complete = false;
    }
    if (!fault.empty()) faults.push_back({k, std::move(fault)});
  }
  return complete ? 1 : 0;
}

}  // namespace korain
