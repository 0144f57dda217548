// The default compartments of a bulkhead, and their position computed from the contour.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/compartment_geometry.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/codes.h"
#include "model/compartment_tables.h"

namespace korain {
namespace {

struct Vertex {
  Single y = 0;
  Single z = 0;
};

Compartment defaultCompartment(Long side, const std::string& bulkheadName) {
  Compartment compartment;
  compartment.Name = std::string(sideText(side).value_or("")) + " (" + bulkheadName + ")";
  compartment.A = 1;
  compartment.B = 1;
  compartment.N = 0;
  compartment.UseComputedYZ = true;
  compartment.UseRuleRoll = true;
  return compartment;
}

// The chain of nodes closed as the compartment's boundary.
std::vector<Vertex> closedChain(const Bulkhead& bulkhead, bool& closedOnAxis) {
  std::vector<Vertex> chain;
  chain.reserve(static_cast<std::size_t>(bulkhead.Nodes.count()) + 2);
  for (const Node& node : bulkhead.Nodes) chain.push_back({node.Y, node.Z});
  const Vertex first = chain.front();
  const Vertex last = chain.back();
  const bool closed = isSamePoint({first.y, first.z}, {last.y, last.z}, kGeometryTolerance);
  const bool onAxis =
      std::abs(first.y) < kGeometryTolerance || std::abs(last.y) < kGeometryTolerance;
  closedOnAxis = !closed && onAxis;
  if (closedOnAxis) {
    if (chain.front().y == 0) chain.push_back({0, chain.back().z});
    if (chain.back().y == 0) chain.insert(chain.begin(), Vertex{0, chain.front().z});
  } else if (!closed) {
    chain.push_back(first);
  }
  return chain;
}

}  // namespace

void addDefaultCompartments(Bulkhead& bulkhead) {
  const Compartment blank;
  if (!(bulkhead.Compartments.at(1) == blank) || !(bulkhead.Compartments.at(2) == blank)) return;
  bulkhead.Compartments.at(1) = defaultCompartment(kForwardSide, bulkhead.Name);
  bulkhead.Compartments.at(2) = defaultCompartment(kAftwardSide, bulkhead.Name);
}

void computeCompartmentPosition(const Bulkhead& bulkhead, Compartment& compartment) {
  if (bulkhead.Nodes.count() < 2) return;
  bool closedOnAxis = false;
  const std::vector<Vertex> chain = closedChain(bulkhead, closedOnAxis);
  Single zLow = chain.front().z;
  Single zHigh = chain.front().z;
  Single area = 0;
  Single momentY = 0;
  Single momentZ = 0;
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    const Vertex p = chain[i];
    const Vertex q = chain[i + 1];
    zLow = std::min(zLow, q.z);
    zHigh = std::max(zHigh, q.z);
    const Single c = p.y * q.z - p.z * q.y;
    area += c;
    momentY += (p.y + q.y) * c / 3;
    momentZ += (p.z + q.z) * c / 3;
  }
  if (closedOnAxis) momentY = 0;
  if (std::abs(area) >= static_cast<Single>(kGeometryTolerance)) {
    compartment.Table1.at(kCentreYEntry) = momentY / area;
    compartment.Table1.at(kCentreZEntry) = momentZ / area;
  }
  compartment.Table1.at(kBottomEntry) = zLow;
  compartment.Table1.at(kTopEntry) = zHigh;
}

}  // namespace korain
