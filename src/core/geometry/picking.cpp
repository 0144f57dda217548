// Finding the object of the arrangement at a point of the drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/picking.h"

#include <cmath>

#include "geometry/contour.h"
#include "geometry/member_lines.h"

namespace korain {
namespace {

constexpr PlanePoint kRayEnd{-100000, -100000};

PlanePoint pointOf(const StrakePoint& point) { return {point.Y, point.Z}; }

bool hits(const PlaneSegment& segment, PlanePoint point, double tolerance) {
  return isPointInSegment(segment.from, segment.to, point, tolerance);
}

// Whether the ray from the point crosses the edge, a crossing at the edge's
// end point not counted (the next edge counts it).
bool rayCrosses(PlanePoint point, PlanePoint from, PlanePoint to) {
  PlanePoint at;
  return segmentIntersection(point, kRayEnd, from, to, at, 0) &&
         !isSamePoint(at, to, kGeometryTolerance * 1e-3);
}

// Whether the point lies in the outline's bounding box widened by the
// tolerance; most outlines of a bulkhead are settled by this alone.
bool isInBox(const List<StrakePoint>& outline, PlanePoint point) {
  bool left = false;
  bool right = false;
  bool below = false;
  bool above = false;
  for (const StrakePoint& p : outline) {
    left = left || p.Y <= point.y + kGeometryTolerance;
    right = right || p.Y >= point.y - kGeometryTolerance;
    below = below || p.Z <= point.z + kGeometryTolerance;
    above = above || p.Z >= point.z - kGeometryTolerance;
  }
  return left && right && below && above;
}

PickCode pickContour(const Bulkhead& bulkhead, PlanePoint point, double tolerance, Long mask,
                     PickTarget& target) {
  if ((mask & kPickNodes) != 0) {
    for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
      const Node& node = bulkhead.Nodes.at(k);
      if (isSamePoint({node.Y, node.Z}, point, tolerance)) {
        target.object = static_cast<Integer>(k);
        return PickCode::Node;
      }
    }
  }
  double abscissa = 0;
  int nodeBefore = 0;
  if (Contour(bulkhead).locate(point, tolerance, abscissa, nodeBefore)) {
    target.object = static_cast<Integer>(nodeBefore);
    return PickCode::Contour;
  }
  return PickCode::Nothing;
}

bool findStrake(const Bulkhead& bulkhead, PlanePoint point, PickTarget& target) {
  for (int b = 1; b <= bulkhead.StrakeBands.count(); ++b) {
    const StrakeBand& band = bulkhead.StrakeBands.at(b);
    for (int t = 1; t <= band.Strakes.count(); ++t) {
      if (!pointInOutline(band.Strakes.at(t).Outline, point)) continue;
      target.object = static_cast<Integer>(b);
      target.subObject = static_cast<Integer>(t);
      return true;
    }
  }
  return false;
}

PickCode pickMembers(const Bulkhead& bulkhead, PlanePoint point, double tolerance, Long mask,
                     PickTarget& target) {
  if ((mask & kPickPrimaryMembers) == 0) return PickCode::Nothing;
  for (int j = 1; j <= bulkhead.PrimaryMembers.count(); ++j) {
    if (hits(primarySegment(bulkhead.PrimaryMembers.at(j)), point, tolerance)) {
      target.object = static_cast<Integer>(j);
      return PickCode::PrimaryMember;
    }
  }
  return PickCode::Nothing;
}

PickCode pickSpans(const Bulkhead& bulkhead, PlanePoint point, double tolerance, Long mask,
                   PickTarget& target) {
  if ((mask & kPickStiffenerSpans) == 0) return PickCode::Nothing;
  const std::optional<SpanPick> span = spanAt(bulkhead, point, tolerance);
  if (!span) return PickCode::Nothing;
  target.object = span->stiffener;
  target.subObject = span->interval;
  return PickCode::StiffenerSpan;
}

// How far the point lies across the stiffener's line.
double distanceAcross(const OrdinaryStiffener& stiffener, Long stfHV, PlanePoint point) {
  return std::abs((stfHV == kVertical ? point.y : point.z) - stiffener.Position);
}

PickCode pickStrakes(const Bulkhead& bulkhead, PlanePoint point, Long mask, PickTarget& target) {
  PickTarget found;
  if (!findStrake(bulkhead, point, found)) return PickCode::Nothing;
  if ((mask & kPickStrakes) == 0) {
    target.object = 1;
    return PickCode::Contour;
  }
  target.object = found.object;
  target.subObject = found.subObject;
  return PickCode::Strake;
}

PickCode pickInBulkhead(const Bulkhead& bulkhead, PlanePoint point, double tolerance, Long mask,
                        PanelCode panel, PickTarget& target) {
  // On the strake bands panel strakes are picked first, on the stiffeners
  // panel spans before members.
  const bool strakePanel = panel == PanelCode::StrakeBands;
  const bool spanPanel = panel == PanelCode::OrdinaryStiffeners;
  PickCode code = pickContour(bulkhead, point, tolerance, mask, target);
  if (code == PickCode::Nothing && strakePanel && (mask & kPickStrakes) != 0) {
    code = pickStrakes(bulkhead, point, mask, target);
  }
  if (code == PickCode::Nothing && spanPanel) {
    code = pickSpans(bulkhead, point, tolerance, mask, target);
  }
  if (code == PickCode::Nothing) code = pickMembers(bulkhead, point, tolerance, mask, target);
  if (code == PickCode::Nothing) code = pickSpans(bulkhead, point, tolerance, mask, target);
  if (code == PickCode::Nothing && !strakePanel) code = pickStrakes(bulkhead, point, mask, target);
  return code;
}

}  // namespace

PickCode findObject(const Arrangement& arrangement, PlanePoint point, double tolerance, Long mask,
                    PanelCode panel, PickTarget& target) {
  if (!arrangement.Bulkheads.isDimensioned()) return PickCode::Nothing;
  target = {};
  const int current =
      arrangement.Bulkheads.inBounds(arrangement.CurBulkhead) ? arrangement.CurBulkhead : 0;
  for (int pass = 0; pass <= arrangement.Bulkheads.count(); ++pass) {
    const int i = pass == 0 ? current : pass;
    if (i == 0 || (pass > 0 && i == current)) continue;
    PickTarget found;
    const PickCode code =
        pickInBulkhead(arrangement.Bulkheads.at(i), point, tolerance, mask, panel, found);
    if (code == PickCode::Nothing) continue;
    target = found;
    target.bulkhead = static_cast<Integer>(i);
    return code;
  }
  return PickCode::Nothing;
}

std::optional<SpanPick> spanAt(const Bulkhead& bulkhead, PlanePoint point, double tolerance) {
  std::optional<SpanPick> nearest;
  double nearestDistance = 0;
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
    const OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
    const double across = distanceAcross(stiffener, bulkhead.stfHV, point);
    if (nearest && across >= nearestDistance) continue;
    for (int s = 1; s <= stiffener.Spans.count(); ++s) {
      PlaneSegment segment;
      if (!secondarySegment(stiffener, bulkhead.stfHV, s, segment) ||
          !hits(segment, point, tolerance)) {
        continue;
      }
      nearest = SpanPick{static_cast<Integer>(k), stiffener.Spans.at(s).IntervalNumber};
      nearestDistance = across;
      break;
    }
  }
  return nearest;
}

bool pointInOutline(const List<StrakePoint>& outline, PlanePoint point) {
  const int n = outline.count();
  if (!isInBox(outline, point)) return false;
  for (int i = 1; i <= n; ++i) {
    const PlanePoint from = pointOf(outline.at(i));
    const PlanePoint to = pointOf(outline.at(i % n + 1));
    if (isPointInSegment(from, to, point, kGeometryTolerance)) return true;
  }
  int crossings = 0;
  for (int i = 1; i <= n; ++i) {
    if (rayCrosses(point, pointOf(outline.at(i)), pointOf(outline.at(i % n + 1)))) ++crossings;
  }
  return crossings % 2 == 1;
}

}  // namespace korain
