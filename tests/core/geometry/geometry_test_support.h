// Bulkheads drawn from a few nodes, for the geometry tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "geometry/compute_geometry.h"
#include "geometry/contour_arc.h"
#include "geometry/contour_path.h"
#include "messages/message_list.h"
#include "model/arrangement.h"

namespace korain::testing {

// Not 1, so that it cannot be mistaken for the material of a created strake.
inline constexpr Integer kTestDefaultMaterial = 7;

inline Node straightNode(double y, double z, Long curve = kCurveStraight, double radius = 0,
                         double cornerY = 0, double cornerZ = 0) {
  return {.Y = static_cast<Single>(y),
          .Z = static_cast<Single>(z),
          .ShCur = curve,
          .ShYT = static_cast<Single>(cornerY),
          .ShZT = static_cast<Single>(cornerZ),
          .ShR = static_cast<Single>(radius)};
}

// A node reached along the arc of radius `radius` from the previous node.
inline Node arcNode(double y, double z, double radius) {
  return straightNode(y, z, kCurveArc, radius);
}

// A node reached by rounding the corner (cornerY, cornerZ) with `radius`.
inline Node roundedCornerNode(double y, double z, double cornerY, double cornerZ, double radius) {
  return straightNode(y, z, kCurveTangentArc, radius, cornerY, cornerZ);
}

inline Bulkhead bulkheadThrough(std::initializer_list<Node> nodes, std::string name = "BH") {
  Bulkhead bulkhead;
  bulkhead.Name = std::move(name);
  for (const Node& node : nodes) bulkhead.Nodes.append(node);
  return bulkhead;
}

// The plate 0..10 by 0..8, closed on its first node, run anticlockwise or clockwise.
inline Bulkhead rectangle(bool anticlockwise = true, std::string name = "BH") {
  const Node right = straightNode(10, 0);
  const Node left = straightNode(0, 8);
  return bulkheadThrough({straightNode(0, 0), anticlockwise ? right : left, straightNode(10, 8),
                          anticlockwise ? left : right, straightNode(0, 0)},
                         std::move(name));
}

inline PrimaryMember member(double position, Long hv) {
  PrimaryMember m;
  m.Position = static_cast<Single>(position);
  m.HV = hv;
  return m;
}

inline OrdinaryStiffener stiffener(double position) {
  OrdinaryStiffener s;
  s.Position = static_cast<Single>(position);
  return s;
}

template <typename Messages>
std::vector<std::string> messagesOf(const Messages& messages) {
  std::vector<std::string> texts;
  for (const Message& message : messages) texts.push_back(message.text);
  return texts;
}

// The arrangement with every bulkhead computed, as an opened one is, a created strake of material
// `defaultMaterial`; the messages are dropped.
inline Arrangement computed(Arrangement arrangement, Integer defaultMaterial = 1) {
  GeometryState state;
  MessageList messages;
  computeGeometry(arrangement, state, messages, defaultMaterial);
  return arrangement;
}

// Computes the bulkhead as bulkhead 1 and returns the messages.
inline std::vector<std::string> compute(Bulkhead& bulkhead, Long symFlag = 0) {
  return messagesOf(computeBulkheadGeometry(bulkhead, 1, symFlag, kTestDefaultMaterial));
}

template <typename T>
std::vector<double> valuesOf(const List<T>& list) {
  return {list.begin(), list.end()};
}

inline void expectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5) << i;
}

// An outline as a sorted set of points, for comparing outlines run either way.
inline std::vector<std::pair<double, double>> pointSet(const List<StrakePoint>& outline) {
  std::vector<std::pair<double, double>> points;
  for (const StrakePoint& p : outline) points.emplace_back(p.Y, p.Z);
  std::sort(points.begin(), points.end());
  return points;
}

// The distance from the point to the nearest of the line's segments.
inline double distanceToPolyline(PlanePoint p, const std::vector<PlanePoint>& line) {
  double nearest = std::numeric_limits<double>::max();
  for (std::size_t i = 1; i < line.size(); ++i) {
    const PlanePoint a = line[i - 1];
    const double dy = line[i].y - a.y;
    const double dz = line[i].z - a.z;
    const double squared = dy * dy + dz * dz;
    const double t =
        squared == 0 ? 0 : std::clamp(((p.y - a.y) * dy + (p.z - a.z) * dz) / squared, 0.0, 1.0);
    nearest = std::min(nearest, distance(p, {a.y + t * dy, a.z + t * dz}));
  }
  return nearest;
}

// The contour of the nodes as the bulkhead geometry draws it, every arc in
// chords within 0.01 mm; empty when an arc node describes no arc.
inline std::vector<PlanePoint> drawnContour(const List<Node>& nodes) {
  Bulkhead bulkhead;
  bulkhead.Nodes = nodes;
  if (computeBHeadGeometry(bulkhead) != 1) return {};
  return flattenPath(contourPath(bulkhead.Nodes), 1e-5);
}

}  // namespace korain::testing
