// Naming the stiffeners, knuckles, nodes and brackets placed where no structure can be.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/placement_checks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/contour_arc.h"
#include "geometry/plane.h"
#include "model/codes.h"

namespace korain {
namespace {

std::string_view coordinateOf(Long direction) { return direction == kVertical ? "y" : "z"; }

bool isWithin(double value, const LineBounds& bounds) {
  return isInRange(value, bounds.low, bounds.high, kGeometryTolerance);
}

void reportStiffeners(const Bulkhead& bulkhead, BulkheadReport& report) {
  const LineBounds bounds = contourBounds(bulkhead, bulkhead.stfHV);
  if (!hasBounds(bounds)) return;
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
    const Single position = bulkhead.Stiffeners.at(k).Position;
    if (isWithin(position, bounds)) continue;
    report.warn(
        {PanelCode::OrdinaryStiffeners, k},
        "Ordinary ¤ in '¤' at ¤ ¤ m lies outside the bulkhead (¤ to ¤ m)",
        {k, bulkhead.Name, coordinateOf(bulkhead.stfHV), position, bounds.low, bounds.high});
  }
}

void reportCorrugationLines(const Bulkhead& bulkhead, BulkheadReport& report) {
  const LineBounds bounds = planePartBounds(bulkhead, bulkhead.stfHV);
  if (!hasBounds(bounds)) return;
  for (int n = 1; n <= bulkhead.CorrugationLines.count(); ++n) {
    const Single position = bulkhead.CorrugationLines.at(n).Position;
    if (isWithin(position, bounds)) continue;
    report.warn(
        {PanelCode::Corrugation, n},
        "Corrugation ¤ in '¤' at ¤ ¤ m lies outside the bulkhead (¤ to ¤ m)",
        {n, bulkhead.Name, coordinateOf(bulkhead.stfHV), position, bounds.low, bounds.high});
  }
}

struct NodeCoordinate {
  std::string_view name;
  Single value = 0;
  std::string_view from;
};

void reportNodes(const Bulkhead& bulkhead, BulkheadReport& report) {
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    const Node& node = bulkhead.Nodes.at(k);
    std::vector<NodeCoordinate> coordinates{{"y", node.Y, "centre line"},
                                            {"z", node.Z, "base line"}};
    if (node.ShCur == kCurveTangentArc) {
      coordinates.push_back({"tangent point y", node.ShYT, "centre line"});
      coordinates.push_back({"tangent point z", node.ShZT, "base line"});
    }
    for (const NodeCoordinate& c : coordinates) {
      if (std::abs(c.value) <= kShipReach) continue;
      report.warn({PanelCode::Nodes, k}, "Node ¤ of '¤': ¤ ¤ m is more than ¤ m from the ¤",
                  {k, bulkhead.Name, c.name, c.value, kShipReach, c.from});
    }
  }
}

// The lengths of the brackets at the two ends of span s: the stiffener's end
// brackets where it has them, the span's own brackets at primary members.
struct SpanBrackets {
  Single lower = 0;
  Single upper = 0;
};
SpanBrackets bracketsOf(const OrdinaryStiffener& stiffener, int s) {
  const StiffenerSpan& span = stiffener.Spans.at(s);
  const Bracket& lowerEnd = stiffener.Brackets.at(1);
  const Bracket& upperEnd = stiffener.Brackets.at(2);
  const bool first = s == 1;
  const bool last = s == stiffener.Spans.count();
  return {.lower = first ? (lowerEnd.Enabled ? lowerEnd.Length : 0.0F) : span.LowerBracketLength,
          .upper = last ? (upperEnd.Enabled ? upperEnd.Length : 0.0F) : span.UpperBracketLength};
}

void reportBracketsFillingSpans(const Bulkhead& bulkhead, BulkheadReport& report) {
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
    const OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
    for (int s = 1; s <= stiffener.Spans.count() && s < stiffener.Extremities.count(); ++s) {
      const double length =
          static_cast<double>(stiffener.Extremities.at(s + 1)) - stiffener.Extremities.at(s);
      const SpanBrackets brackets = bracketsOf(stiffener, s);
      const double taken =
          std::max(static_cast<double>(brackets.lower), 0.0) + std::max<double>(brackets.upper, 0);
      if (length < kGeometryTolerance || taken < length - kGeometryTolerance) continue;
      const Integer interval = stiffener.Spans.at(s).IntervalNumber;
      report.warn({PanelCode::OrdinaryStiffeners, k, interval > 0 ? interval : s},
                  "Span ¤ of ordinary ¤ in '¤': brackets of ¤ m and ¤ m leave nothing of its "
                  "length of ¤ m",
                  {interval > 0 ? interval : s, k, bulkhead.Name, brackets.lower, brackets.upper,
                   toTheMillimetre(length)});
    }
  }
}

}  // namespace

LineBounds planePartBounds(const Bulkhead& bulkhead, Long direction) {
  if (direction == kVertical) return {bulkhead.YMin, bulkhead.YMax};
  return {bulkhead.ZLow, bulkhead.ZHigh};
}

LineBounds contourBounds(const Bulkhead& bulkhead, Long direction) {
  if (direction == kVertical) return {bulkhead.YMin, bulkhead.YMax};
  return {bulkhead.ZMin, bulkhead.ZMax};
}

bool hasBounds(const LineBounds& bounds) { return bounds.low <= bounds.high; }

void reportMisplacedObjects(const Bulkhead& bulkhead, BulkheadReport& report) {
  reportNodes(bulkhead, report);
  reportStiffeners(bulkhead, report);
  reportBracketsFillingSpans(bulkhead, report);
  reportCorrugationLines(bulkhead, report);
}

}  // namespace korain
