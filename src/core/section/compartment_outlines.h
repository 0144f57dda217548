// The outlines of a hull section's compartments: the node references around
// each compartment turned into segments along the panels that carry them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "messages/status_line.h"
#include "section/panel_geometry.h"
#include "section/section.h"

namespace korain {

enum class OutlineDetail {
  Corners,     // one segment for each two consecutive references
  CutAtNodes,  // each segment also cut at every node of the section lying on it between
};

// The questions an outline asks of the section's panels, over a section whose
// nodes have been computed (computeSection). Places along a panel are found
// with the section's tolerance.
class SectionPanelPlaces {
 public:
  explicit SectionPanelPlaces(const Section& section);

  // NodeOnPanel: the referenced node lies on the panel.
  bool nodeOnPanel(NodeRef ref, int panel);

  // CommonPanel: of the panels that carry both nodes, the one along which
  // they are closest (the first on a tie); 0 when none carries both.
  int commonPanel(NodeRef a, NodeRef b);

  // NextNodeBetween: of every node of the section lying on the panel strictly
  // between a and b (at least twice the tolerance inside), the one closest to
  // a, the first in the order of panels and nodes on a tie.
  std::optional<NodeRef> nextNodeBetween(int panel, NodeRef a, NodeRef b);

 private:
  struct Place {
    double s = 0;
    NodeRef ref;
  };

  std::optional<double> abscissa(NodeRef ref, int panel);
  // Every node of the section on the panel, by abscissa (ties in list order).
  const std::vector<Place>& placesOn(int panel);

  const Section& section_;
  PanelPaths paths_;
  double tolerance_;
  std::vector<std::optional<std::vector<Place>>> places_;
};

// ComputeCompartmentOutlines: each compartment's segments (NodeList) from its
// references, and its orientation: +1 when the points of its segments enclose
// a positive area (anticlockwise, y to the right and z up), else -1.
void computeCompartmentOutlines(Section& section, OutlineDetail detail, const StatusLine& status);

}  // namespace korain
