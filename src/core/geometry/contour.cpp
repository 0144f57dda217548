// The contour built from lines and arcs, the cuts of lines with it and abscissae along it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour.h"

#include <algorithm>
#include <cmath>

#include "geometry/contour_arc.h"

namespace korain {
namespace {

// How far along the sweep an angle lies, in radians from the start in the
// sweep's direction, from 0 to 2π.
double angleAlong(double angle, double start, double sweep) {
  const double along = std::fmod((angle - start) * (sweep < 0 ? -1 : 1), kTwoPi);
  return along < 0 ? along + kTwoPi : along;
}

bool isWithinSweep(double angle, double start, double sweep, double slack) {
  const double along = angleAlong(angle, start, sweep);
  return along <= std::abs(sweep) + slack || along >= kTwoPi - slack;
}

}  // namespace

void Contour::CutRange::add(double at) {
  if (!std::isfinite(at)) return;
  low = count == 0 ? at : std::min(low, at);
  high = count == 0 ? at : std::max(high, at);
  ++count;
}

Contour::Contour(const List<Node>& nodes) {
  if (nodes.count() == 1) addLine(pointOf(nodes.first()), pointOf(nodes.first()), 1);
  for (int k = 2; k <= nodes.count(); ++k) {
    const Node& node = nodes.at(k);
    const PlanePoint previous = pointOf(nodes.at(k - 1));
    if (!isArcCode(node.ShCur) || !node.ArcValid) {
      addLine(previous, pointOf(node), k - 1);
      continue;
    }
    const ArcSweep arc = arcSweep(node);
    addLine(previous, pointOnArc(node, arc.start), k - 1);
    addArc(node, k - 1);
    addLine(pointOnArc(node, arc.start + arc.sweep), pointOf(node), k - 1);
  }
  if (nodes.count() >= 2 &&
      !isSamePoint(pointOf(nodes.last()), pointOf(nodes.first()), kGeometryTolerance)) {
    Element closing;
    closing.from = pointOf(nodes.last());
    closing.to = pointOf(nodes.first());
    closing.nodeBefore = nodes.count();
    closing.length = distance(closing.from, closing.to);
    closing_.push_back(closing);
  }
}

void Contour::addLine(PlanePoint from, PlanePoint to, int nodeBefore) {
  const double length = distance(from, to);
  if (length <= 0 && !elements_.empty()) return;
  Element line;
  line.from = from;
  line.to = to;
  line.nodeBefore = nodeBefore;
  line.length = length;
  elements_.push_back(line);
}

void Contour::addArc(const Node& node, int nodeBefore) {
  const ArcSweep sweep = arcSweep(node);
  Element arc;
  arc.arc = true;
  arc.centre = {node.ArcCentreY, node.ArcCentreZ};
  arc.radius = std::abs(static_cast<double>(node.ShR));
  arc.startAngle = sweep.start;
  arc.sweep = sweep.sweep;
  arc.from = pointOnArc(node, sweep.start);
  arc.to = pointOnArc(node, sweep.start + sweep.sweep);
  arc.nodeBefore = nodeBefore;
  arc.length = arc.radius * std::abs(sweep.sweep);
  elements_.push_back(arc);
}

ContourCuts Contour::cut(double position, CutDirection direction) const {
  const bool horizontal = direction == CutDirection::Horizontal;
  CutRange range;
  for (const auto* list : {&elements_, &closing_}) {
    for (const Element& element : *list) {
      if (element.arc) {
        cutArc(element, position, horizontal, range);
      } else {
        cutLine(element, position, horizontal, range);
      }
    }
  }
  if (range.count == 0) return {};
  if (range.high - range.low <= kGeometryTolerance) return {1, range.low, range.low};
  return {2, range.low, range.high};
}

void Contour::cutLine(const Element& line, double position, bool horizontal, CutRange& range) {
  // Along the cut line: y for a horizontal line, z for a vertical one.
  const double alongFrom = horizontal ? line.from.y : line.from.z;
  const double alongTo = horizontal ? line.to.y : line.to.z;
  const double acrossFrom = horizontal ? line.from.z : line.from.y;
  const double acrossTo = horizontal ? line.to.z : line.to.y;
  if (!isInRange(position, acrossFrom, acrossTo, kGeometryTolerance)) return;
  if (std::abs(acrossTo - acrossFrom) < kGeometryTolerance) {
    range.add(alongFrom);
    range.add(alongTo);
    return;
  }
  const double t = std::clamp((position - acrossFrom) / (acrossTo - acrossFrom), 0.0, 1.0);
  range.add(alongFrom + t * (alongTo - alongFrom));
}

void Contour::cutArc(const Element& arc, double position, bool horizontal, CutRange& range) {
  const double centreAlong = horizontal ? arc.centre.y : arc.centre.z;
  const double offset = position - (horizontal ? arc.centre.z : arc.centre.y);
  if (std::abs(offset) > arc.radius + kGeometryTolerance) return;
  const double across = std::clamp(offset, -arc.radius, arc.radius);
  const double half = std::sqrt(arc.radius * arc.radius - across * across);
  const double slack = kGeometryTolerance / arc.radius;
  for (const double along : {half, -half}) {
    const double angle = horizontal ? std::atan2(across, along) : std::atan2(along, across);
    if (isWithinSweep(angle, arc.startAngle, arc.sweep, slack)) range.add(centreAlong + along);
  }
}

bool Contour::locate(PlanePoint point, double tolerance, double& abscissa, int& nodeBefore) const {
  double start = 0;
  for (const Element& element : elements_) {
    double along = 0;
    if (onElement(element, point, tolerance, along)) {
      abscissa = start + along;
      nodeBefore = element.nodeBefore;
      return true;
    }
    start += element.length;
  }
  return false;
}

PlanePoint Contour::pointAt(double abscissa) const {
  if (elements_.empty()) return {};
  double start = 0;
  for (const Element& element : elements_) {
    if (abscissa <= start + element.length) {
      return pointAlong(element, std::clamp(abscissa - start, 0.0, element.length));
    }
    start += element.length;
  }
  return elements_.back().to;
}

PlanePoint Contour::pointAlong(const Element& element, double along) {
  if (element.length <= 0) return element.from;
  if (!element.arc) {
    const double t = along / element.length;
    return {element.from.y + t * (element.to.y - element.from.y),
            element.from.z + t * (element.to.z - element.from.z)};
  }
  const double angle = element.startAngle + (element.sweep < 0 ? -1 : 1) * along / element.radius;
  return {element.centre.y + element.radius * std::cos(angle),
          element.centre.z + element.radius * std::sin(angle)};
}

bool Contour::onElement(const Element& element, PlanePoint point, double tolerance, double& along) {
  if (!element.arc) {
    if (!isPointInSegment(element.from, element.to, point, tolerance)) return false;
    along = element.length > 0
                ? std::clamp(((point.y - element.from.y) * (element.to.y - element.from.y) +
                              (point.z - element.from.z) * (element.to.z - element.from.z)) /
                                 element.length,
                             0.0, element.length)
                : 0;
    return true;
  }
  const double fromCentre = distance(element.centre, point);
  if (std::abs(fromCentre - element.radius) > tolerance) return false;
  const double angle = std::atan2(point.z - element.centre.z, point.y - element.centre.y);
  const double slack = tolerance / element.radius;
  if (!isWithinSweep(angle, element.startAngle, element.sweep, slack)) return false;
  const double swept = angleAlong(angle, element.startAngle, element.sweep);
  along = element.radius * (swept > std::abs(element.sweep) + slack ? 0 : swept);
  return true;
}

}  // namespace korain
