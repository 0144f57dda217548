// Hull sections drawn from a few panels, for the tests of the section geometry and the import.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "../geometry/geometry_test_support.h"
#include "section/panel_geometry.h"
#include "section/section_geometry.h"

namespace korain::testing {

// A node that is node k of panel p (Inter 3), or with Inter 1 lies on panel p after node k.
inline Node onPanel(double y, double z, Integer p, Integer k, Long inter = kInterSameNode) {
  Node node = straightNode(y, z);
  node.Inter = inter;
  node.Ipan = p;
  node.Inod = k;
  return node;
}

// A panel through the nodes, numbered in order; the first starts it.
inline SectionPanel panelThrough(std::initializer_list<Node> nodes) {
  SectionPanel panel;
  for (Node node : nodes) {
    node.Abs = static_cast<Integer>(panel.Nodes.count() + 1);
    if (node.Abs == 1) node.ShCur = 0;
    panel.Nodes.append(node);
  }
  return panel;
}

inline Section sectionOf(std::initializer_list<SectionPanel> panels) {
  Section section;
  section.Tolerance = 0.001F;
  for (const SectionPanel& panel : panels) section.Panels.append(panel);
  return section;
}

inline std::vector<std::string> computeMessages(Section& section) {
  SectionMessages messages;
  computeSection(section, messages, {});
  return messages.texts();
}

}  // namespace korain::testing
