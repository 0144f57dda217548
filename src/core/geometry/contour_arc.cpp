// Working out the circular arcs of a contour from its nodes, or why a node's data give none.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour_arc.h"

#include <array>
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

// Why the data describe no arc, with the lengths that say so. The contour of
// a section is drawn at every repaint with faults it never reports: the text
// is made only for a message.
struct ArcFault {
  enum class Kind {
    None,
    RadiusTooSmall,
    OnPreviousNode,
    ChordTooLong,
    TangentOnPreviousNode,
    TangentOnNode,
    NoCorner,
    TurnsAgainstCorner,
    CornerTooShort,
  };
  Kind kind = Kind::None;
  Single radius = 0;
  std::array<double, 3> lengths{};
};

std::string faultText(const ArcFault& f) {
  const std::array<double, 3>& l = f.lengths;
  switch (f.kind) {
    case ArcFault::Kind::None:
      break;
    case ArcFault::Kind::RadiusTooSmall:
      return formatMessage("radius ¤ m is too small for an arc", {f.radius});
    case ArcFault::Kind::OnPreviousNode:
      return "it lies on the node before it: no arc joins them";
    case ArcFault::Kind::ChordTooLong:
      return formatMessage("radius ¤ m is smaller than half its chord ¤ m",
                           {f.radius, toTheMillimetre(l[0] / 2)});
    case ArcFault::Kind::TangentOnPreviousNode:
      return "its tangent point lies on the node before it";
    case ArcFault::Kind::TangentOnNode:
      return "its tangent point lies on the node itself";
    case ArcFault::Kind::NoCorner:
      return "its tangent point makes no corner to round";
    case ArcFault::Kind::TurnsAgainstCorner:
      return formatMessage("radius ¤ m turns against the corner at its tangent point", {f.radius});
    case ArcFault::Kind::CornerTooShort:
      return formatMessage(
          "radius ¤ m needs ¤ m on each side of the corner, more than the ¤ m and ¤ m there are",
          {f.radius, toTheMillimetre(l[0]), toTheMillimetre(l[1]), toTheMillimetre(l[2])});
  }
  return {};
}

ArcFault fault(ArcFault::Kind kind, double radius, double a = 0, double b = 0, double c = 0) {
  return {kind, static_cast<Single>(radius), {a, b, c}};
}

using enum ArcFault::Kind;

ArcFault arcThroughNodes(PlanePoint from, PlanePoint to, double radius, Circle& circle) {
  const double r = std::abs(radius);
  const double chord = distance(from, to);
  if (r < kGeometryTolerance) return fault(RadiusTooSmall, radius);
  if (chord < kGeometryTolerance) return fault(OnPreviousNode, radius);
  if (chord > 2 * r + kGeometryTolerance) return fault(ChordTooLong, radius, chord);
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

ArcFault roundedCorner(PlanePoint from, PlanePoint corner, PlanePoint to, double radius,
                       Circle& circle) {
  const double r = std::abs(radius);
  const double inLength = distance(from, corner);
  const double outLength = distance(corner, to);
  if (r < kGeometryTolerance) return fault(RadiusTooSmall, radius);
  if (inLength < kGeometryTolerance) return fault(TangentOnPreviousNode, radius);
  if (outLength < kGeometryTolerance) return fault(TangentOnNode, radius);
  const PlanePoint in = unit(from, corner);
  const PlanePoint out = unit(corner, to);
  const double turnSine = in.y * out.z - in.z * out.y;
  const double turn = std::atan2(std::abs(turnSine), in.y * out.y + in.z * out.z);
  const bool turnsAnticlockwise = turnSine > 0;
  if (turn < 1e-6 || turn > std::numbers::pi - 1e-6) return fault(NoCorner, radius);
  if (turnsAnticlockwise != (radius > 0)) return fault(TurnsAgainstCorner, radius);
  const double setBack = r * std::tan(turn / 2);
  if (setBack > inLength + kGeometryTolerance || setBack > outLength + kGeometryTolerance) {
    return fault(CornerTooShort, radius, setBack, inLength, outLength);
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

// Fills the arc fields of the node, or clears them and says why they cannot be.
ArcFault fitArc(PlanePoint previous, Node& node) {
  Circle circle;
  const ArcFault fault =
      node.ShCur == kCurveArc
          ? arcThroughNodes(previous, pointOf(node), node.ShR, circle)
          : roundedCorner(previous, {node.ShYT, node.ShZT}, pointOf(node), node.ShR, circle);
  clearArc(node);
  if (fault.kind != ArcFault::Kind::None) return fault;
  node.ArcValid = true;
  node.ArcCentreY = static_cast<Single>(circle.centre.y);
  node.ArcCentreZ = static_cast<Single>(circle.centre.z);
  node.ArcStartAngle = angleFromCentre(circle.centre, circle.start);
  node.ArcEndAngle = angleFromCentre(circle.centre, circle.end);
  return fault;
}

// The arcs of every node; each node at fault goes to `faults` when given.
Integer completeArcs(Bulkhead& bulkhead, std::vector<NodeFault>* faults) {
  const auto report = [faults](int k, std::string reason) {
    if (faults != nullptr && !reason.empty()) faults->push_back({k, std::move(reason)});
  };
  bool complete = bulkhead.Nodes.isDimensioned();
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    Node& node = bulkhead.Nodes.at(k);
    const bool finite = isFinite(node);
    complete = finite && complete;
    if (!finite) report(k, "a coordinate is not a number");
    clearArc(node);
    if (!isArcCode(node.ShCur)) continue;
    if (k == 1) {
      report(k, "an arc needs a node before it");
    } else if (finite && isFinite(bulkhead.Nodes.at(k - 1))) {
      const ArcFault fault = fitArc(pointOf(bulkhead.Nodes.at(k - 1)), node);
      if (faults != nullptr) report(k, faultText(fault));
    }
    complete = node.ArcValid && complete;
  }
  return complete ? 1 : 0;
}

}  // namespace

bool isArcCode(Long curveCode) { return curveCode == kCurveArc || curveCode == kCurveTangentArc; }

bool isFinite(const Node& node) {
  return std::isfinite(node.Y) && std::isfinite(node.Z) &&
         (!isArcCode(node.ShCur) ||
          (std::isfinite(node.ShYT) && std::isfinite(node.ShZT) && std::isfinite(node.ShR)));
}

bool computeArc(PlanePoint previous, Node& node) {
  return fitArc(previous, node).kind == ArcFault::Kind::None;
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

Integer computeBHeadGeometry(Bulkhead& bulkhead) { return completeArcs(bulkhead, nullptr); }

Integer computeBHeadGeometry(Bulkhead& bulkhead, std::vector<NodeFault>& faults) {
  return completeArcs(bulkhead, &faults);
}

}  // namespace korain
