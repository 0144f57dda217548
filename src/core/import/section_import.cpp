// A new bulkhead arrangement built from the compartments of a hull section.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/section_import.h"

#include "geometry/contour_arc.h"
#include "geometry/contour_polygon.h"
#include "model/codes.h"
#include "section/compartment_outlines.h"
#include "section/panel_geometry.h"
#include "section/section_geometry.h"
#include "text/format_message.h"

namespace korain {
namespace {

constexpr Long kCurveFirst = 0;
constexpr Long kCurveSpecial = 5;  // a code the section uses that a bulkhead contour has not

// The node that stands for reference (p, k) of a segment running on panel q.
// A node that is its own point (or another panel's node) is the same point as
// some node of q that refers to it: that one carries q's curve. A node lying on
// q where its panel meets it has the meeting point as the next node of q.
Node nodeFor(const Section& section, NodeRef ref, int q) {
  const Node& node = section.Panels.at(ref.Ipan).Nodes.at(ref.Inod);
  const List<Node>& carrier = section.Panels.at(q).Nodes;
  if (node.Inter == kInterFree || node.Inter == kInterSameNode) {
    if (ref.Ipan == q) return node;
    for (const Node& candidate : carrier) {
      if (candidate.Inter == kInterSameNode && candidate.Ipan == ref.Ipan &&
          candidate.Inod == ref.Inod) {
        return candidate;
      }
    }
    return node;
  }
  if (node.Ipan == q && carrier.inBounds(node.Inod + 1)) return carrier.at(node.Inod + 1);
  return node;
}

// The stored fields of a node copied into the contour, as a bulkhead keeps them.
void appendNode(Bulkhead& bulkhead, Node node) {
  if (bulkhead.Nodes.isDimensioned() &&
      isSamePoint(pointOf(bulkhead.Nodes.last()), pointOf(node), kGeometryTolerance)) {
    return;
  }
  if (node.ShCur == kCurveTangentArc) node.ShCur = kCurveArc;
  if (node.ShCur == kCurveFirst || node.ShCur == kCurveSpecial) node.ShCur = kCurveStraight;
  if (!bulkhead.Nodes.isDimensioned()) node.ShCur = kCurveFirst;
  if (node.PCod < 0) node.PCod = 0;
  node.Inter = kInterFree;
  node.Abs = static_cast<Integer>(bulkhead.Nodes.count() + 1);
  node.ArcValid = false;
  node.ArcCentreY = node.ArcCentreZ = node.ArcStartAngle = node.ArcEndAngle = 0;
  bulkhead.Nodes.append(node);
}

// Every segment of the outline, the last one included: the outline of a
// compartment returns to its first corner by its last segment. A contour that
// does not return and is not closed for the section's symmetry is closed on
// the centre line, unless its last node is there already.
void importContour(const Section& section, const SectionCompartment& compartment,
                   Bulkhead& bulkhead) {
  for (const BoundarySegment& segment : compartment.NodeList) {
    appendNode(bulkhead, nodeFor(section, segment.From, segment.Panel));
    appendNode(bulkhead, nodeFor(section, segment.To, segment.Panel));
  }
  if (!bulkhead.Nodes.isDimensioned() || isClosedContour(bulkhead.Nodes, section.SymFlag)) return;
  Node closing;
  closing.Z = bulkhead.Nodes.last().Z;
  closing.ShCur = kCurveStraight;
  appendNode(bulkhead, closing);
}

void importCompartment(const Section& section, const SectionCompartment& compartment,
                       Bulkhead& bulkhead) {
  bulkhead.Name = compartment.Name;
  bulkhead.iMat = section.DefaultMaterial;
  bulkhead.stfHV = kVertical;
  importContour(section, compartment, bulkhead);
  // The boundary belongs to the section; a bulkhead never keeps one.
  Compartment copy = compartment;
  copy.NodeList = {};
  bulkhead.Compartments.at(1) = copy;
  bulkhead.Compartments.at(2) = copy;
}

}  // namespace

SectionImport importSection(Section section, Arrangement& arrangement, const StatusLine& status) {
  SectionImport result;
  if (!section.Compartments.isDimensioned()) {
    result.warning =
        "Section " + section.Name + " has no compartment." + kMessageLineBreak + "Import failed";
    return result;
  }
  computeSection(section, result.messages, status);
  computeCompartmentOutlines(section, OutlineDetail::CutAtNodes, status);
  arrangement.clear();
  arrangement.Name = "Bulkhead from " + section.Name;
  arrangement.SymFlag = section.SymFlag;
  arrangement.ForeHopperBreadth = arrangement.AftHopperBreadth = section.HopperBreadth;
  arrangement.ForeHopperZTop = arrangement.AftHopperZTop = section.HopperZTop;
  arrangement.Bulkheads.redim(section.Compartments.count());
  for (int i = 1; i <= section.Compartments.count(); ++i) {
    importCompartment(section, section.Compartments.at(i), arrangement.Bulkheads.at(i));
  }
  result.imported = true;
  return result;
}

}  // namespace korain
