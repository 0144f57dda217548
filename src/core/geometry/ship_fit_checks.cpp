// Checking the main data and the contour nodes against the ship and its hull section.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ship_fit_checks.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <string_view>

#include "geometry/contour_path.h"
#include "geometry/placement_checks.h"
#include "model/record_fields.h"
#include "text/format_message.h"
#include "view/section_outline.h"

namespace korain {
namespace {

// Arcs of the section flattened this finely stay well within the tolerance
// the nodes are checked with.
constexpr double kOutlineDeviation = 0.0001;

struct Check {
  std::string_view name;
  Single value = 0;
};

void add(std::vector<Message>& messages, std::string text) {
  messages.push_back({.severity = Severity::Warning, .text = std::move(text)});
}

void checkReach(std::vector<Message>& messages, const Check& check, std::string_view from) {
  if (std::abs(check.value) <= kShipReach) return;
  add(messages, formatMessage("Main data: ¤ ¤ m is more than ¤ m from the ¤",
                              {check.name, check.value, kShipReach, from}));
}

void checkHopperBreadth(std::vector<Message>& messages, const Check& check, double breadth) {
  if (check.value < 0) {
    add(messages, formatMessage("Main data: ¤ ¤ m is not plausible", {check.name, check.value}));
  } else if (breadth > 0 && check.value > breadth + kGeometryTolerance) {
    add(messages, formatMessage("Main data: ¤ ¤ m is more than the section's breadth of ¤ m",
                                {check.name, check.value, static_cast<Single>(breadth)}));
  } else {
    checkReach(messages, check, "centre line");
  }
}

void checkMainData(std::vector<Message>& messages, const Arrangement& a, double breadth) {
  checkReach(messages, {"longitudinal location", a.X}, "aft perpendicular");
  if (const Single volume = Fields<Arrangement>::stoolVolume.of(a); volume < 0) {
    add(messages, formatMessage("Main data: stool volume ¤ m³ is not plausible", {volume}));
  }
  checkHopperBreadth(messages, {"fore hopper breadth", a.ForeHopperBreadth}, breadth);
  checkHopperBreadth(messages, {"aft hopper breadth", a.AftHopperBreadth}, breadth);
  checkReach(messages, {"fore hopper top", a.ForeHopperZTop}, "base line");
  checkReach(messages, {"aft hopper top", a.AftHopperZTop}, "base line");
}

// The hopper breadths are checked against the section's breadth, else the ship's.
double breadthFor(const HullExtent* hull, Single shipBreadth) {
  return hull != nullptr ? hull->breadth() : shipBreadth;
}

}  // namespace

std::vector<Message> nodesOutsideHull(const Bulkhead& bulkhead, int number,
                                      const HullExtent& hull) {
  std::vector<Message> messages;
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    const Node& node = bulkhead.Nodes.at(k);
    if (hull.holds({node.Y, node.Z}, kGeometryTolerance)) continue;
    messages.push_back(
        {.severity = Severity::Warning,
         .bulkhead = number,
         .kind = PanelCode::Nodes,
         .index = k,
         .text = formatMessage("Node ¤ of '¤' at y ¤ m, z ¤ m lies outside the hull section",
                               {k, bulkhead.Name, node.Y, node.Z})});
  }
  return messages;
}

HullExtent::HullExtent(const Section& section) {
  for (const ContourPath& path : sectionOutlines(section)) {
    outlines_.push_back(flattenPath(path, kOutlineDeviation));
    for (const PlanePoint& p : outlines_.back())
      halfBreadth_ = std::max(halfBreadth_, std::abs(p.y));
  }
}

bool HullExtent::holds(PlanePoint point, double tolerance) const {
  // The outermost panel at the point's height, whichever side it is drawn on.
  double reach = -1;
  for (const std::vector<PlanePoint>& outline : outlines_) {
    for (std::size_t k = 1; k < outline.size(); ++k) {
      const PlanePoint a = outline[k - 1];
      const PlanePoint b = outline[k];
      if (!isInRange(point.z, a.z, b.z, tolerance)) continue;
      const double rise = b.z - a.z;
      if (std::abs(rise) < tolerance) {
        reach = std::max({reach, std::abs(a.y), std::abs(b.y)});
        continue;
      }
      const double t = std::clamp((point.z - a.z) / rise, 0.0, 1.0);
      reach = std::max(reach, std::abs(a.y + t * (b.y - a.y)));
    }
  }
  return reach >= 0 && std::abs(point.y) <= reach + tolerance;
}

std::vector<Message> checkShipFit(const Arrangement& arrangement, const HullExtent* hull,
                                  Single shipBreadth) {
  std::vector<Message> messages;
  checkMainData(messages, arrangement, breadthFor(hull, shipBreadth));
  if (hull == nullptr) return messages;
  for (int i = 1; i <= arrangement.Bulkheads.count(); ++i) {
    std::ranges::move(nodesOutsideHull(arrangement.Bulkheads.at(i), i, *hull),
                      std::back_inserter(messages));
  }
  return messages;
}

void ShipFitChecks::useHull(const Section* section) {
  hull_.reset();
  if (section != nullptr) hull_.emplace(*section);
  bulkheads_.clear();
}

void ShipFitChecks::check(const Arrangement& arrangement, Single shipBreadth,
                          const std::function<std::uint64_t(int)>& versionOf) {
  mainData_.clear();
  checkMainData(mainData_, arrangement, breadthFor(hull_ ? &*hull_ : nullptr, shipBreadth));
  bulkheads_.resize(hull_ ? static_cast<std::size_t>(arrangement.Bulkheads.count()) : 0);
  for (int i = 1; i <= static_cast<int>(bulkheads_.size()); ++i) {
    std::optional<Checked>& checked = bulkheads_[static_cast<std::size_t>(i - 1)];
    const std::uint64_t version = versionOf(i);
    if (!checked || checked->version != version) {
      checked = Checked{version, nodesOutsideHull(arrangement.Bulkheads.at(i), i, *hull_)};
    }
  }
}

template <typename F>
void ShipFitChecks::forEachList(F f) const {
  f(mainData_);
  for (const std::optional<Checked>& checked : bulkheads_) f(checked->messages);
}

std::vector<Message> ShipFitChecks::messages() const {
  std::vector<Message> all;
  forEachList([&all](const std::vector<Message>& m) { all.insert(all.end(), m.begin(), m.end()); });
  return all;
}

MessageCount ShipFitChecks::count() const {
  MessageCount count;
  forEachList([&count](const std::vector<Message>& m) { addTo(count, m); });
  return count;
}

std::vector<Message> ShipFitChecks::latest(std::size_t n) const {
  std::vector<const std::vector<Message>*> lists{&mainData_};
  for (const std::optional<Checked>& checked : bulkheads_) lists.push_back(&checked->messages);
  std::vector<Message> newest;
  for (auto list = lists.rbegin(); list != lists.rend() && newest.size() < n; ++list) {
    for (auto m = (*list)->rbegin(); m != (*list)->rend() && newest.size() < n; ++m) {
      newest.push_back(*m);
    }
  }
  std::reverse(newest.begin(), newest.end());
  return newest;
}

}  // namespace korain
