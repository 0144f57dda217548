// The outlines of a hull section's compartments as segments along its panels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/compartment_outlines.h"

#include <algorithm>
#include <cmath>

#include "text/string_table.h"

namespace korain {
namespace {

constexpr Long kComputingOutlines = 615;
constexpr double kFarAway = 1e38;

// Twice the area the points enclose, closed from the last back to the first.
double doubleArea(const std::vector<PlanePoint>& points) {
  double sum = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PlanePoint& p = points[i];
    const PlanePoint& q = points[(i + 1) % points.size()];
    sum += p.y * q.z - p.z * q.y;
  }
  return sum;
}

Single orientationOf(const List<BoundarySegment>& segments, const List<SectionPanel>& panels) {
  std::vector<PlanePoint> points;
  for (const BoundarySegment& segment : segments) {
    for (const NodeRef ref : {segment.From, segment.To}) {
      if (const std::optional<PlanePoint> point = pointOf(panels, ref)) points.push_back(*point);
    }
  }
  return doubleArea(points) > 0 ? 1.0F : -1.0F;
}

List<BoundarySegment> outlineOf(const SectionCompartment& compartment, OutlineDetail detail,
                                SectionPanelPlaces& places) {
  List<BoundarySegment> segments;
  const List<NodeRef>& refs = compartment.NodeRefs;
  for (int i = 1; i < refs.count(); ++i) {
    NodeRef from = refs.at(i);
    const NodeRef to = refs.at(i + 1);
    const int panel = places.commonPanel(from, to);
    if (panel == 0) continue;
    const auto carrier = static_cast<Integer>(panel);
    if (detail == OutlineDetail::CutAtNodes) {
      while (const std::optional<NodeRef> between = places.nextNodeBetween(panel, from, to)) {
        segments.append({from, *between, carrier});
        from = *between;
      }
    }
    segments.append({from, to, carrier});
  }
  return segments;
}

}  // namespace

SectionPanelPlaces::SectionPanelPlaces(const Section& section)
    : section_(section),
      paths_(section.Panels),
      tolerance_(sectionTolerance(section)),
      places_(static_cast<std::size_t>(section.Panels.count()) + 1) {}

std::optional<double> SectionPanelPlaces::abscissa(NodeRef ref, int panel) {
  const std::optional<PlanePoint> point = pointOf(section_.Panels, ref);
  if (!point || !section_.Panels.inBounds(panel)) return std::nullopt;
  return yzToS(paths_.of(panel), *point, tolerance_);
}

bool SectionPanelPlaces::nodeOnPanel(NodeRef ref, int panel) {
  return abscissa(ref, panel).has_value();
}

int SectionPanelPlaces::commonPanel(NodeRef a, NodeRef b) {
  int best = 0;
  double closest = kFarAway;
  for (int panel = 1; panel <= section_.Panels.count(); ++panel) {
    const std::optional<double> sa = abscissa(a, panel);
    if (!sa) continue;
    const std::optional<double> sb = abscissa(b, panel);
    if (sb && std::abs(*sa - *sb) < closest) {
      closest = std::abs(*sa - *sb);
      best = panel;
    }
  }
  return best;
}

const std::vector<SectionPanelPlaces::Place>& SectionPanelPlaces::placesOn(int panel) {
  std::optional<std::vector<Place>>& places = places_.at(static_cast<std::size_t>(panel));
  if (places) return *places;
  places.emplace();
  const Contour& path = paths_.of(panel);
  for (int p = 1; p <= section_.Panels.count(); ++p) {
    const List<Node>& nodes = section_.Panels.at(p).Nodes;
    for (int k = 1; k <= nodes.count(); ++k) {
      if (const std::optional<double> s = yzToS(path, pointOf(nodes.at(k)), tolerance_)) {
        places->push_back({*s, {static_cast<Integer>(p), static_cast<Integer>(k)}});
      }
    }
  }
  std::stable_sort(places->begin(), places->end(),
                   [](const Place& x, const Place& y) { return x.s < y.s; });
  return *places;
}

std::optional<NodeRef> SectionPanelPlaces::nextNodeBetween(int panel, NodeRef a, NodeRef b) {
  const std::optional<double> sa = abscissa(a, panel);
  const std::optional<double> sb = abscissa(b, panel);
  if (!sa || !sb || *sa == *sb) return std::nullopt;
  // Far along a long panel the margin can vanish in the abscissa's precision:
  // a node between is then at least the next representable abscissa away, so
  // that cutting a segment always moves on.
  const double margin = 2 * tolerance_;
  const std::vector<Place>& places = placesOn(panel);
  const auto bySmaller = [](const Place& place, double s) { return place.s < s; };
  if (*sb > *sa) {
    const double low = std::max(*sa + margin, std::nextafter(*sa, *sb));
    const double high = std::min(*sb - margin, std::nextafter(*sb, *sa));
    // The first place from low on, if it is not beyond high.
    const auto next = std::lower_bound(places.begin(), places.end(), low, bySmaller);
    if (next == places.end() || next->s > high) return std::nullopt;
    return next->ref;
  }
  const double high = std::min(*sa - margin, std::nextafter(*sa, *sb));
  const double low = std::max(*sb + margin, std::nextafter(*sb, *sa));
  // Going down the panel: the last abscissa up to high, and of the places at
  // it the first in list order.
  const auto after = std::upper_bound(places.begin(), places.end(), high,
                                      [](double s, const Place& place) { return s < place.s; });
  if (after == places.begin()) return std::nullopt;
  const double s = std::prev(after)->s;
  if (s < low) return std::nullopt;
  return std::lower_bound(places.begin(), after, s, bySmaller)->ref;
}

void computeCompartmentOutlines(Section& section, OutlineDetail detail, const StatusLine& status) {
  if (status) status(korainStatusString(kComputingOutlines));
  SectionPanelPlaces places(section);
  for (SectionCompartment& compartment : section.Compartments) {
    compartment.NodeList = outlineOf(compartment, detail, places);
    compartment.Orientation = orientationOf(compartment.NodeList, section.Panels);
  }
  if (status) status("");
}

}  // namespace korain
