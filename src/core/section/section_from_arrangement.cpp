// A bulkhead arrangement seen as a hull section, for the preview and the import.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_from_arrangement.h"

#include <algorithm>

#include "section/section_format.h"

namespace korain {
namespace {

constexpr Single kDefaultTolerance = 0.001F;

// Around the contour and back to its first node, as a section closes its
// outlines, so that an import gives the contour back node for node.
List<NodeRef> contourReferences(Integer panel, const List<Node>& nodes) {
  List<NodeRef> refs;
  const int count = std::min(nodes.count(), kMaxSectionListLength);
  for (int k = 1; k <= count; ++k) refs.append({panel, static_cast<Integer>(k)});
  if (count >= 2) refs.append({panel, 1});
  return refs;
}

}  // namespace

Section sectionFromArrangement(const Arrangement& a) {
  Section s;
  s.Name = a.Name;
  s.X = a.X;
  s.SymFlag = a.SymFlag;
  s.HopperBreadth = a.ForeHopperBreadth;
  s.HopperZTop = a.ForeHopperZTop;
  s.DefaultMaterial = a.Bulkheads.isDimensioned() ? a.Bulkheads.first().iMat : Integer{0};
  s.Tolerance = kDefaultTolerance;
  const int bulkheads = std::min(a.Bulkheads.count(), kMaxSectionListLength);
  for (int i = 1; i <= bulkheads; ++i) {
    const Bulkhead& b = a.Bulkheads.at(i);
    SectionPanel& panel = s.Panels.append();
    panel.Name = b.Name;
    panel.iMat = b.iMat;
    panel.Nodes = b.Nodes;
    SectionCompartment& c = s.Compartments.append();
    static_cast<Compartment&>(c) = b.Compartments.at(1);
    c.NodeRefs = contourReferences(static_cast<Integer>(i), b.Nodes);
  }
  return s;
}

}  // namespace korain
