// The geometry of a hull section: nodes, strakes, stiffener ends and the checks of the panels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "section/panel_geometry.h"
#include "text/format_message.h"
#include "text/line_values.h"
#include "text/string_table.h"

namespace korain {
namespace {

namespace text {
constexpr Long kComputingSection = 616;
constexpr Long kNodeNotComputed = 1077;
constexpr Long kNodeOffReferencePanel = 1076;
constexpr Long kStrakeCodeBase = 1041;  // plus the code of computeStrake
constexpr Long kStiffenersOverlap = 1078;
constexpr Long kStiffenerWithoutEnd = 1079;
constexpr Long kStiffenerOutOfOrder = 1080;
constexpr Long kEndsReversed = 1081;
constexpr Long kSegmentsOverlap = 1089;
constexpr Long kGirder = 216;
constexpr Long kBracket = 219;
constexpr Long kCutOut = 221;
}  // namespace text

struct Computation {
  Section& section;
  PanelPaths paths;
  double tolerance;
  SectionMessages& messages;
};

// ---- Nodes and strakes -----------------------------------------------------

void reportNode(Computation& c, int p, int k, Long code) {
  if (code == node_code::kNotComputed) c.messages.add(text::kNodeNotComputed, {p, k});
  if (code == node_code::kOffReferencePanel) c.messages.add(text::kNodeOffReferencePanel, {p, k});
}

void computeStrakes(Computation& c, int p) {
  const SectionPanel& panel = c.section.Panels.at(p);
  if (panel.Nodes.count() < 2) return;
  for (int t = 1; t <= panel.Strakes.count(); ++t) {
    const Long code = computeStrake(c.paths.of(p), panel.Strakes.at(t), c.tolerance);
    if (code != strake_code::kPlaced) c.messages.add(text::kStrakeCodeBase + code, {p, t});
  }
}

// Panel by panel; a node lying on a panel with a higher number has that
// panel's nodes computed first. A panel waits on a stack while the panel it
// needs is computed, so that long chains of panels cannot exhaust the call stack.
void computeNodesAndStrakes(Computation& c) {
  List<SectionPanel>& panels = c.section.Panels;
  const auto count = static_cast<std::size_t>(panels.count());
  std::vector<int> nextNode(count + 1, 0);  // 0: not started
  std::vector<int> waiting;
  for (int first = 1; first <= panels.count(); ++first) {
    if (nextNode[static_cast<std::size_t>(first)] != 0) continue;
    waiting.push_back(first);
    while (!waiting.empty()) {
      const int p = waiting.back();
      int& k = nextNode[static_cast<std::size_t>(p)];
      k = std::max(k, 1);
      if (k > panels.at(p).Nodes.count()) {
        c.paths.forget(p);
        computeStrakes(c, p);
        waiting.pop_back();
        continue;
      }
      const Node& node = panels.at(p).Nodes.at(k);
      if (node.Inter != kInterFree && node.Ipan > p && panels.inBounds(node.Ipan) &&
          nextNode[static_cast<std::size_t>(node.Ipan)] == 0) {
        waiting.push_back(node.Ipan);
        continue;
      }
      reportNode(c, p, k, computeNode(panels, p, k, c.paths, c.tolerance));
      ++k;
    }
  }
}

// ---- Stiffeners ------------------------------------------------------------

// The abscissae a stiffener covers along its panel; none for a stiffener
// without ends or with an end off the panel.
struct StiffenerRange {
  double smallest = 0;
  double largest = 0;
  Integer side = 0;
};

std::optional<StiffenerRange> placeEnds(const Contour& path, SectionStiffener& stiffener,
                                        double tolerance) {
  StiffenerRange range{9999, -1, 0};
  bool leftOut = !stiffener.Ends.isDimensioned();
  for (StiffenerEnd& end : stiffener.Ends) {
    end.S = toSingle(yzToS(path, {end.Y, end.Z}, tolerance).value_or(0)).value_or(0);
    end.AbsCode = absStiff(path, end, tolerance);
    end.PointCode = computePointFromYZ(path, end, tolerance);
    leftOut = leftOut || end.AbsCode == kEndNotOnPanel;
    range.smallest = std::min(range.smallest, static_cast<double>(end.S));
    range.largest = std::max(range.largest, static_cast<double>(end.S));
  }
  if (leftOut) return std::nullopt;
  range.side = stiffener.Ends.first().Side;
  return range;
}

void checkStiffeners(Computation& c, int p) {
  SectionPanel& panel = c.section.Panels.at(p);
  const Contour& path = c.paths.of(p);
  std::vector<std::optional<StiffenerRange>> ranges(1);  // from stiffener 1
  for (int j = 1; j <= panel.Stiffeners.count(); ++j) {
    SectionStiffener& stiffener = panel.Stiffeners.at(j);
    if (!stiffener.Ends.isDimensioned()) c.messages.add(text::kStiffenerWithoutEnd, {p, j});
    ranges.push_back(placeEnds(path, stiffener, c.tolerance));
  }
  const double tol = c.tolerance;
  for (std::size_t a = 1; a < ranges.size() && !c.messages.full(); ++a) {
    for (std::size_t b = a + 1; b < ranges.size() && ranges[a]; ++b) {
      if (!ranges[b] || ranges[a]->side != ranges[b]->side) continue;
      if (ranges[a]->largest - ranges[b]->smallest >= -tol &&
          ranges[a]->smallest - ranges[b]->largest <= tol) {
        c.messages.add(text::kStiffenersOverlap, {p, a, b});
      }
    }
  }
  for (std::size_t s = 2; s < ranges.size(); ++s) {
    if (ranges[s] && ranges[s - 1] && ranges[s]->largest < ranges[s - 1]->smallest) {
      c.messages.add(text::kStiffenerOutOfOrder, {p, s});
    }
  }
}

// ---- Two-ended objects -----------------------------------------------------

void checkEndOrder(Computation& c, int p, const List<TwoEndedObject>& objects, Long kind) {
  const Contour& path = c.paths.of(p);
  for (int j = 1; j <= objects.count(); ++j) {
    const TwoEndedObject& object = objects.at(j);
    const std::optional<double> first = yzToS(path, {object.Y1, object.Z1}, c.tolerance);
    const std::optional<double> second = yzToS(path, {object.Y2, object.Z2}, c.tolerance);
    if (first && second && *second < *first - c.tolerance) {
      c.messages.add(text::kEndsReversed, {p, korainString(kind), j});
    }
  }
}

// ---- Overlapping contour segments -------------------------------------------

struct ContourSegment {
  int panel = 0;
  int node = 0;  // the segment runs from this node to the next
  Long curve = 0;
  PlanePoint from;
  PlanePoint to;
  double low = 0;  // the least y of the two ends
};

std::vector<ContourSegment> contourSegments(const List<SectionPanel>& panels, double tolerance) {
  std::vector<ContourSegment> segments;
  for (int p = 1; p <= panels.count(); ++p) {
    const List<Node>& nodes = panels.at(p).Nodes;
    for (int k = 1; k < nodes.count(); ++k) {
      const PlanePoint from = pointOf(nodes.at(k));
      const PlanePoint to = pointOf(nodes.at(k + 1));
      // A segment of no length lies on every segment through its point and
      // says nothing of overlapping plating.
      if (!(distance(from, to) >= tolerance)) continue;
      segments.push_back({p, k, nodes.at(k + 1).ShCur, from, to, std::min(from.y, to.y)});
    }
  }
  return segments;
}

bool liesOn(const ContourSegment& inner, const ContourSegment& outer, double tolerance) {
  return isPointInSegment(outer.from, outer.to, inner.from, tolerance) &&
         isPointInSegment(outer.from, outer.to, inner.to, tolerance);
}

// Every pair of segments with the same curve code, one lying on the other.
// Only segments whose ranges of y meet can, so the pairs are found in order
// of the least y and the others never compared.
void checkOverlaps(Computation& c) {
  const double tol = c.tolerance;
  const std::vector<ContourSegment> segments = contourSegments(c.section.Panels, tol);
  std::vector<std::size_t> byLow(segments.size());
  for (std::size_t i = 0; i < byLow.size(); ++i) byLow[i] = i;
  std::stable_sort(byLow.begin(), byLow.end(),
                   [&](std::size_t a, std::size_t b) { return segments[a].low < segments[b].low; });
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (std::size_t i = 0; i < byLow.size() && pairs.size() < SectionMessages::kCapacity; ++i) {
    const ContourSegment& a = segments[byLow[i]];
    const double high = std::max(a.from.y, a.to.y) + tol;
    for (std::size_t j = i + 1; j < byLow.size() && segments[byLow[j]].low <= high; ++j) {
      const ContourSegment& b = segments[byLow[j]];
      if (a.curve == b.curve && (liesOn(a, b, tol) || liesOn(b, a, tol))) {
        pairs.emplace_back(std::min(byLow[i], byLow[j]), std::max(byLow[i], byLow[j]));
      }
    }
  }
  std::sort(pairs.begin(), pairs.end());
  for (const auto& [first, second] : pairs) {
    const ContourSegment& a = segments[first];
    c.messages.add(text::kSegmentsOverlap, {a.panel, a.node, segments[second].panel});
  }
}

}  // namespace

void computeSection(Section& section, SectionMessages& messages, const StatusLine& status) {
  if (!section.Panels.isDimensioned()) return;
  if (status) status(formatMessage(korainStatusString(text::kComputingSection), {section.Name}));
  computeAbsNodes(section.Panels);
  computeAbsStrake(section.Panels, section.DefaultMaterial);
  Computation c{section, PanelPaths(section.Panels), sectionTolerance(section), messages};
  computeNodesAndStrakes(c);
  for (int p = 1; p <= section.Panels.count(); ++p) {
    const SectionPanel& panel = section.Panels.at(p);
    checkStiffeners(c, p);
    checkEndOrder(c, p, panel.Girders, text::kGirder);
    checkEndOrder(c, p, panel.Brackets, text::kBracket);
    checkEndOrder(c, p, panel.CutOuts, text::kCutOut);
  }
  checkOverlaps(c);
  if (status) status("");
}

}  // namespace korain
