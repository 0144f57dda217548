// Nodes from a chain of pieces: straight nodes, and arc nodes with radius and tangent point.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/contour_nodes.h"

#include <cmath>
#include <numbers>

#include "geometry/contour_arc.h"

namespace korain {
namespace {

// An arc this close to half a turn is split too: its tangent point would lie
// farther away than any number the node keeps.
constexpr double kHalfTurnMargin = 1e-6;

void appendNode(List<Node>& nodes, PlanePoint point, Long curveCode) {
  Node node;
  node.Y = static_cast<Single>(point.y);
  node.Z = static_cast<Single>(point.z);
  node.ShCur = curveCode;
  node.Abs = static_cast<Integer>(nodes.count() + 1);
  nodes.append(node);
}

// An arc of less than half a turn, `sweep` signed (positive anticlockwise).
void appendArc(List<Node>& nodes, PlanePoint from, PlanePoint to, double sweep) {
  const double chord = distance(from, to);
  const double half = sweep / 2;
  // The tangent at the start turns from the chord by half the sweep, against it.
  const double chordAngle = std::atan2(to.z - from.z, to.y - from.y);
  const double tangentAngle = chordAngle - half;
  const double toCorner = chord / 2 / std::cos(half);
  appendNode(nodes, to, kCurveArc);
  Node& node = nodes.at(nodes.count());
  node.ShR = static_cast<Single>(std::copysign(chord / (2 * std::sin(std::abs(half))), sweep));
  node.ShYT = static_cast<Single>(from.y + toCorner * std::cos(tangentAngle));
  node.ShZT = static_cast<Single>(from.z + toCorner * std::sin(tangentAngle));
}

// The point halfway along the arc from `from` to `to`.
PlanePoint arcMiddle(PlanePoint from, PlanePoint to, double sweep) {
  const double chord = distance(from, to);
  const double radius = chord / (2 * std::sin(std::abs(sweep) / 2));
  // The middle lies off the chord's middle, on its right for an anticlockwise arc.
  const double sagitta = radius * (1 - std::cos(sweep / 2));
  const PlanePoint right{(to.z - from.z) / chord, -(to.y - from.y) / chord};
  const double side = sweep > 0 ? 1 : -1;
  return {(from.y + to.y) / 2 + side * right.y * sagitta,
          (from.z + to.z) / 2 + side * right.z * sagitta};
}

void appendPiece(List<Node>& nodes, PlanePoint from, PlanePoint to, double bulge) {
  if (bulge == 0) {
    appendNode(nodes, to, kCurveStraight);
    return;
  }
  const double sweep = 4 * std::atan(bulge);
  if (std::abs(sweep) < std::numbers::pi - kHalfTurnMargin) {
    appendArc(nodes, from, to, sweep);
    return;
  }
  const PlanePoint middle = arcMiddle(from, to, sweep);
  appendArc(nodes, from, middle, sweep / 2);
  appendArc(nodes, middle, to, sweep / 2);
}

}  // namespace

List<Node> contourNodes(const ContourPath& path) {
  List<Node> nodes;
  if (path.empty()) return nodes;
  appendNode(nodes, path.front().point, kFirstNodeCode);
  for (std::size_t i = 1; i < path.size(); ++i) {
    appendPiece(nodes, path[i - 1].point, path[i].point, path[i - 1].bulge);
    if (nodes.count() > kMostContourNodes) return {};
  }
  return nodes;
}

}  // namespace korain
