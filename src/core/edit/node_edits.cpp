// Finding where a new node goes on the contour, and adding, inserting and removing nodes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/node_edits.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "geometry/contour_arc.h"
#include "geometry/picking.h"

namespace korain {
namespace {

constexpr int kPlaceAttempts = 100;

// To the nearest, halves away from zero: the place of a new node is meant to be
// a round number the user can read back in the fields, not an exact one.
double rounded(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

double clamped(double value, double low, double high) {
  if (value > high) value = high;
  if (value < low) value = low;
  return value;
}

}  // namespace

RandomSource defaultRandomSource() {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

void takeSectionSize(Arrangement& arrangement, const WorldWindow& extent) {
  const double reach = std::max(std::abs(extent.left), std::abs(extent.right()));
  arrangement.SectionBreadth = static_cast<Single>(2 * reach);
  arrangement.SectionHeight = static_cast<Single>(extent.top());
}

NodePlace findNewNodePlace(const Arrangement& arrangement, const Bulkhead& bulkhead, int k,
                           const PickSettings& pick, const RandomSource& random) {
  NodePlace place;
  if (k < 1 || !bulkhead.Nodes.inBounds(k)) return place;

  double step = rounded(arrangement.SectionBreadth / 25.0, 1);
  // A section too narrow to give a step still spreads its nodes apart.
  if (std::abs(step) < 0.001) step = 0.5;
  const double yMax = rounded(arrangement.SectionBreadth / 2.0, 2);
  const double zMax = rounded(arrangement.SectionHeight, 2);
  // A section described on one side only keeps its nodes off the other side.
  const double yMin = arrangement.SymFlag == 1 ? -yMax : 0.0;
  const double zMin = 0.0;

  const Node& after = bulkhead.Nodes.at(k);
  place.y = clamped(rounded(after.Y + step, 1), yMin, yMax);
  place.z = clamped(rounded(after.Z + step, 1), zMin, zMax);
  for (int attempt = 1;; ++attempt) {
    PickTarget target;
    if (findObject(arrangement, {place.y, place.z}, pick.tolerance, pick.mask, pick.panel,
                   target) == PickCode::Nothing) {
      return place;
    }
    if (attempt == kPlaceAttempts) break;
    // Moves of up to half a step across, and up to a whole step up or down.
    place.y = clamped(rounded(place.y - (0.5 - random()) * step, 1), yMin, yMax);
    place.z = clamped(rounded(place.z - (0.5 - random()) * 2.0 * step, 1), zMin, zMax);
  }
  place.free = false;
  return place;
}

void addNode(Bulkhead& bulkhead, const NodePlace& place) {
  const int n = bulkhead.Nodes.count() + 1;
  bulkhead.Nodes.growTo(n);
  Node& node = bulkhead.Nodes.at(n);
  node = Node{};
  node.Y = static_cast<Single>(place.y);
  node.Z = static_cast<Single>(place.z);
  if (n > 1) node.ShCur = kCurveStraight;
  bulkhead.CurNode = static_cast<Integer>(n);
}

EditOutcome insertNodeBefore(Bulkhead& bulkhead, int index) {
  if (!bulkhead.Nodes.inBounds(index)) return refusedAt("InsertElement failed for node ¤", index);
  const double y0 = bulkhead.Nodes.at(index).Y;
  const double z0 = bulkhead.Nodes.at(index).Z;
  bulkhead.Nodes.insertBlank(index);
  double y1 = 0;
  double z1 = 0;
  if (index > 1) {
    y1 = bulkhead.Nodes.at(index - 1).Y;
    z1 = bulkhead.Nodes.at(index - 1).Z;
  }
  Node& inserted = bulkhead.Nodes.at(index);
  inserted = bulkhead.Nodes.at(index + 1);
  inserted.Y = static_cast<Single>((y0 + y1) / 2);
  inserted.Z = static_cast<Single>((z0 + z1) / 2);
  // The old first node is now reached from the new one.
  if (index == 1) bulkhead.Nodes.at(2).ShCur = kCurveStraight;
  bulkhead.CurNode = static_cast<Integer>(index);
  return {};
}

EditOutcome removeNode(Bulkhead& bulkhead) {
  if (!bulkhead.Nodes.remove(bulkhead.CurNode)) {
    return refusedAt("RemoveElement failed for node ¤", bulkhead.CurNode);
  }
  if (bulkhead.CurNode > bulkhead.Nodes.count()) bulkhead.CurNode = 0;
  // The node that took the first place has no segment leading to it.
  if (bulkhead.CurNode == 1) bulkhead.Nodes.at(1).ShCur = kFirstNodeCode;
  return {};
}

void keepStartCode(Bulkhead& bulkhead) {
  if (bulkhead.CurNode == 1 && bulkhead.Nodes.inBounds(1))
    bulkhead.Nodes.at(1).ShCur = kFirstNodeCode;
}

}  // namespace korain
