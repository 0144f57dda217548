// The panels of a hull section as paths: places along them, nodes, strakes and stiffener ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/panel_geometry.h"

#include <cmath>

#include "text/line_values.h"

namespace korain {
namespace {

constexpr double kDefaultSectionTolerance = 0.001;

// Node k of panel p as one index over all panels, for the chains of references.
class NodeIndex {
 public:
  explicit NodeIndex(const List<SectionPanel>& panels) : first_(1, 0) {
    for (const SectionPanel& panel : panels) {
      first_.push_back(first_.back() + static_cast<std::size_t>(panel.Nodes.count()));
    }
  }
  std::size_t size() const { return first_.back(); }
  std::size_t of(NodeRef ref) const {
    return first_[static_cast<std::size_t>(ref.Ipan) - 1] + static_cast<std::size_t>(ref.Inod) - 1;
  }

 private:
  std::vector<std::size_t> first_;  // of each panel, from panel 1
};

bool namesNode(const List<SectionPanel>& panels, NodeRef ref) {
  return panels.inBounds(ref.Ipan) && panels.at(ref.Ipan).Nodes.inBounds(ref.Inod);
}

Node& nodeAt(List<SectionPanel>& panels, NodeRef ref) {
  return panels.at(ref.Ipan).Nodes.at(ref.Inod);
}

}  // namespace

double sectionTolerance(const Section& section) {
  const double tolerance = section.Tolerance;
  return std::isfinite(tolerance) && tolerance >= kDefaultSectionTolerance
             ? tolerance
             : kDefaultSectionTolerance;
}

std::optional<PlanePoint> pointOf(const List<SectionPanel>& panels, NodeRef ref) {
  if (!namesNode(panels, ref)) return std::nullopt;
  return pointOf(panels.at(ref.Ipan).Nodes.at(ref.Inod));
}

PanelPaths::PanelPaths(const List<SectionPanel>& panels)
    : panels_(panels), paths_(static_cast<std::size_t>(panels.count()) + 1) {}

const Contour& PanelPaths::of(int panel) {
  std::optional<Contour>& path = paths_.at(static_cast<std::size_t>(panel));
  if (!path) path.emplace(panels_.at(panel).Nodes);
  return *path;
}

void PanelPaths::forget(int panel) { paths_.at(static_cast<std::size_t>(panel)).reset(); }

std::optional<double> yzToS(const Contour& panel, PlanePoint point, double tolerance) {
  double abscissa = 0;
  int nodeBefore = 0;
  // A panel reaching beyond the range of numbers has no abscissa to give there.
  if (!panel.locate(point, tolerance, abscissa, nodeBefore) || !std::isfinite(abscissa)) {
    return std::nullopt;
  }
  return abscissa;
}

void computeAbsNodes(List<SectionPanel>& panels) {
  enum class State { Open, Following, Settled };
  const NodeIndex index(panels);
  std::vector<State> state(index.size(), State::Open);
  std::vector<NodeRef> chain;
  for (int p = 1; p <= panels.count(); ++p) {
    for (int k = 1; k <= panels.at(p).Nodes.count(); ++k) {
      // Follow the references from this node until a node that is its own
      // point, one settled before, a reference to no node, or a loop.
      chain.clear();
      NodeRef at{static_cast<Integer>(p), static_cast<Integer>(k)};
      std::optional<PlanePoint> point;
      for (;;) {
        State& s = state[index.of(at)];
        if (s == State::Settled) {
          point = pointOf(nodeAt(panels, at));
          break;
        }
        if (s == State::Following) break;
        s = State::Following;
        chain.push_back(at);
        const Node& node = nodeAt(panels, at);
        if (node.Inter != kInterSameNode) {
          point = pointOf(node);
          break;
        }
        if (!namesNode(panels, {node.Ipan, node.Inod})) break;
        at = {node.Ipan, node.Inod};
      }
      for (const NodeRef ref : chain) {
        Node& node = nodeAt(panels, ref);
        if (point) {
          node.Y = static_cast<Single>(point->y);
          node.Z = static_cast<Single>(point->z);
        }
        state[index.of(ref)] = State::Settled;
      }
    }
  }
}

void computeAbsStrake(List<SectionPanel>& panels, Integer defaultMaterial) {
  for (SectionPanel& panel : panels) {
    const Integer material = panel.iMat != 0 ? panel.iMat : defaultMaterial;
    for (SectionStrake& strake : panel.Strakes) {
      if (strake.iMat == 0) strake.iMat = material;
    }
  }
}

Long computeNode(List<SectionPanel>& panels, int p, int k, PanelPaths& paths, double tolerance) {
  List<Node>& nodes = panels.at(p).Nodes;
  Node& node = nodes.at(k);
  node.ArcValid = false;
  if (!isFinite(node)) return node_code::kNotComputed;
  if (node.Inter == kInterSameNode && !namesNode(panels, {node.Ipan, node.Inod})) {
    return node_code::kNotComputed;
  }
  if (isArcCode(node.ShCur)) {
    const bool described =
        k > 1 && isFinite(nodes.at(k - 1)) && computeArc(pointOf(nodes.at(k - 1)), node);
    if (!described) return node_code::kNotComputed;
  }
  if (node.Inter != kInterFree && node.Inter != kInterSameNode) {
    if (!panels.inBounds(node.Ipan) ||
        !yzToS(paths.of(node.Ipan), pointOf(node), tolerance).has_value()) {
      return node_code::kOffReferencePanel;
    }
  }
  return node_code::kComputed;
}

Long computeStrake(const Contour& panel, const SectionStrake& strake, double tolerance) {
  const std::optional<double> start = yzToS(panel, {strake.Y1, strake.Z1}, tolerance);
  const std::optional<double> end = yzToS(panel, {strake.Y2, strake.Z2}, tolerance);
  if (!start && !end) return strake_code::kOutsidePanel;
  if (!start) return strake_code::kStartOffPanel;
  if (!end) return strake_code::kEndOffPanel;
  if (std::abs(*end - *start) < tolerance) return strake_code::kNoLength;
  return strake_code::kPlaced;
}

Long absStiff(const Contour& panel, const StiffenerEnd& end, double tolerance) {
  return yzToS(panel, {end.Y, end.Z}, tolerance) ? 0 : kEndNotOnPanel;
}

Long computePointFromYZ(const Contour& panel, StiffenerEnd& end, double tolerance) {
  const std::optional<double> abscissa = yzToS(panel, {end.Y, end.Z}, tolerance);
  const PlanePoint point = abscissa ? panel.pointAt(*abscissa) : PlanePoint{end.Y, end.Z};
  end.PanelY = toSingle(point.y).value_or(end.Y);
  end.PanelZ = toSingle(point.z).value_or(end.Z);
  return abscissa ? 0 : 1;
}

}  // namespace korain
