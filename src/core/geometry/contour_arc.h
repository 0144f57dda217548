// The circular arcs of a bulkhead contour, worked out from the nodes.
//
// A node with curve code 3 or 4 ends an arc that starts at the previous node's
// side of the segment:
//  - code 3 (arc): the arc of radius |ShR| through the previous node and this
//    node; a positive radius turns anticlockwise (centre on the left of the
//    chord), a negative one clockwise; always the shorter of the two arcs.
//  - code 4 (tangent arc): the rounding of radius |ShR| of the corner at the
//    tangent point (ShYT, ShZT), tangent to the lines from the previous node to
//    the corner and from the corner to this node; the straight pieces between
//    the nodes and the points of tangency belong to the segment. The sign of
//    the radius must agree with the turn at the corner.
// Data that cannot describe an arc leaves the node's arc invalid, and the
// segment is taken as straight.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <numbers>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"

namespace korain {

// The curve code of the first node: no segment leads to it.
inline constexpr Long kFirstNodeCode = 0;
inline constexpr Long kCurveStraight = 1;
inline constexpr Long kCurveArc = 3;
inline constexpr Long kCurveTangentArc = 4;

bool isArcCode(Long curveCode);

// The node's point, and for an arc node its arc data, are numbers.
bool isFinite(const Node& node);

inline constexpr double kTwoPi = 2 * std::numbers::pi;

inline PlanePoint pointOf(const Node& node) { return {node.Y, node.Z}; }

// Fills the arc fields of `node` from the previous node's point. False when the
// data describe no arc (then ArcValid is false and the other fields are zero).
bool computeArc(PlanePoint previous, Node& node);

// The first angle and the signed sweep of a valid arc node, with the sweep's
// direction taken from the sign of the radius (a radius of 0 or less runs
// clockwise).
struct ArcSweep {
  double start = 0;
  double sweep = 0;
};
ArcSweep arcSweep(const Node& node);

PlanePoint pointOnArc(const Node& node, double angle);

// Completes the arc fields of every node. 0 when the bulkhead has no node, a
// coordinate that is not a number, or an arc that its data cannot describe;
// each node at fault is added to `faults` with the reason ("radius 0.5 m is
// smaller than half its chord 0.765 m"), when they are asked for.
struct NodeFault {
  int node = 0;
  std::string reason;
};
Integer computeBHeadGeometry(Bulkhead& bulkhead);
Integer computeBHeadGeometry(Bulkhead& bulkhead, std::vector<NodeFault>& faults);

}  // namespace korain
