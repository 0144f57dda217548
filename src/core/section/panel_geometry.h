// The panels of a hull section as paths of lines and arcs: where a point lies
// along a panel, and the computation of the nodes, strakes and stiffener ends
// that the section's checks and the import of its compartments rely on.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "geometry/contour.h"
#include "geometry/contour_arc.h"
#include "geometry/plane.h"
#include "model/arrangement.h"
#include "section/section.h"

namespace korain {

// What a node's Inter code says about its place.
inline constexpr Long kInterFree = 0;      // the node stands where its y and z say
inline constexpr Long kInterSameNode = 3;  // the node is node Inod of panel Ipan
// Any other code: the node lies on panel Ipan, where this panel meets it.

// The results of computeNode.
namespace node_code {
inline constexpr Long kComputed = 0;
inline constexpr Long kNotComputed = 1;        // no point, no arc, or a reference to no node
inline constexpr Long kOffReferencePanel = 2;  // not on the panel it says it lies on
}  // namespace node_code

// The results of computeStrake.
namespace strake_code {
inline constexpr Long kPlaced = 0;
inline constexpr Long kStartOffPanel = 1;
inline constexpr Long kEndOffPanel = 2;
inline constexpr Long kNoLength = 3;
inline constexpr Long kOutsidePanel = 4;  // neither end on the panel
}  // namespace strake_code

// The code absStiff keeps with a stiffener end that is not on its panel; the
// stiffener is then left out of the checks of order and overlap.
inline constexpr Long kEndNotOnPanel = 4;

// The tolerance of every conversion between a point and a place on a panel:
// the section's own, or 0.001 m where it gives none.
double sectionTolerance(const Section& section);

// The point of a node reference; none when it names no node.
std::optional<PlanePoint> pointOf(const List<SectionPanel>& panels, NodeRef ref);

// The paths of the panels, each built when first asked for and kept until
// forgotten (when the panel's nodes have changed).
class PanelPaths {
 public:
  explicit PanelPaths(const List<SectionPanel>& panels);

  // `panel` must name a panel.
  const Contour& of(int panel);
  void forget(int panel);

 private:
  const List<SectionPanel>& panels_;
  std::vector<std::optional<Contour>> paths_;
};

// YZToS: the abscissa of the point along the panel from its first node; none
// when no part of the panel passes within the tolerance of the point, or the
// abscissa is not a finite number.
std::optional<double> yzToS(const Contour& panel, PlanePoint point, double tolerance);

// ComputeAbsNodes: every node that is another node (Inter 3) takes that
// node's point, through chains of such nodes. A reference to no node, or a
// chain that comes back on itself, leaves the point as written.
void computeAbsNodes(List<SectionPanel>& panels);

// ComputeAbsStrake: a strake without material takes its panel's, and a panel
// without one the section's default material.
void computeAbsStrake(List<SectionPanel>& panels, Integer defaultMaterial);

// ComputeNode: the arc that ends at node k of panel p (its centre and
// angles), and whether the node stands where its Inter code says. The panels
// a node lies on must have been computed before it.
Long computeNode(List<SectionPanel>& panels, int p, int k, PanelPaths& paths, double tolerance);

// ComputeStrake: whether both ends of the strake lie on its panel, apart.
Long computeStrake(const Contour& panel, const SectionStrake& strake, double tolerance);

// AbsStiff: 0 when the end lies on its panel, else kEndNotOnPanel. The ends of
// this format are stored as points already, so nothing else needs computing.
Long absStiff(const Contour& panel, const StiffenerEnd& end, double tolerance);

// ComputePointFromYZ: the point of the panel at the end's abscissa (PanelY,
// PanelZ); 0, or 1 when the end is not on the panel and keeps its own point.
Long computePointFromYZ(const Contour& panel, StiffenerEnd& end, double tolerance);

}  // namespace korain
