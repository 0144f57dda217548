// The outlines of a section's compartments: the panel that carries two nodes,
// the nodes between them, and the segments with their orientation.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/compartment_outlines.h"

#include <gtest/gtest.h>

#include "section_builder.h"

namespace korain::testing {
namespace {

NodeRef ref(int p, int k) { return {static_cast<Integer>(p), static_cast<Integer>(k)}; }

BoundarySegment segment(NodeRef from, NodeRef to, int panel) {
  return {from, to, static_cast<Integer>(panel)};
}

// The outline of the references as a new compartment of the section.
std::vector<BoundarySegment> outline(Section& s, std::initializer_list<NodeRef> refs,
                                     OutlineDetail detail = OutlineDetail::CutAtNodes) {
  SectionCompartment& c = s.Compartments.append();
  for (const NodeRef r : refs) c.NodeRefs.append(r);
  computeCompartmentOutlines(s, detail, {});
  return {c.NodeList.begin(), c.NodeList.end()};
}

// A plate (0, 0) to (10, 0), a detour round it over (0, 5) and (10, 5), the
// same plate again, a panel far away, and two panels standing on the plate,
// the first at y = 4, the second at y = 4 and 7 and back to just off its start.
Section plates() {
  Section s =
      sectionOf({panelThrough({straightNode(0, 0), straightNode(10, 0)}),
                 panelThrough({straightNode(0, 0), straightNode(0, 5), straightNode(10, 5),
                               straightNode(10, 0)}),
                 panelThrough({straightNode(0, 0), straightNode(10, 0)}),
                 panelThrough({straightNode(20, 20), straightNode(30, 20)}),
                 panelThrough({straightNode(4, 0), straightNode(4, 3)}),
                 panelThrough({straightNode(4, 0), straightNode(7, 0), straightNode(0.0015, 0)})});
  computeMessages(s);
  return s;
}

TEST(CompartmentOutlines, CommonPanelIsTheOneAlongWhichTheNodesAreClosest) {
  const Section s = plates();
  SectionPanelPlaces places(s);
  // 10 apart along the plate, 20 round the detour; the second plate ties and comes later.
  EXPECT_EQ(places.commonPanel(ref(2, 1), ref(2, 4)), 1);
  EXPECT_EQ(places.commonPanel(ref(2, 2), ref(2, 3)), 2);
  EXPECT_EQ(places.commonPanel(ref(4, 1), ref(1, 1)), 0);
  EXPECT_EQ(places.commonPanel(ref(1, 1), ref(9, 1)), 0) << "a reference to no node";
  EXPECT_TRUE(places.nodeOnPanel(ref(2, 4), 1));
  EXPECT_FALSE(places.nodeOnPanel(ref(2, 2), 1));
}

TEST(CompartmentOutlines, NextNodeBetweenIsTheClosestStrictlyInside) {
  const Section s = plates();
  SectionPanelPlaces places(s);
  // Up the plate: y = 4 first, where panel 5 comes before panel 6; then 7.
  EXPECT_EQ(places.nextNodeBetween(1, ref(1, 1), ref(1, 2)), ref(5, 1));
  EXPECT_EQ(places.nextNodeBetween(1, ref(5, 1), ref(1, 2)), ref(6, 2));
  EXPECT_EQ(places.nextNodeBetween(1, ref(6, 2), ref(1, 2)), std::nullopt);
  // Down the plate, and a node less than twice the tolerance inside is not between.
  EXPECT_EQ(places.nextNodeBetween(1, ref(1, 2), ref(1, 1)), ref(6, 2));
  EXPECT_EQ(places.nextNodeBetween(1, ref(5, 1), ref(1, 1)), std::nullopt);
}

TEST(CompartmentOutlines, SegmentsRunOnTheirCommonPanelCutAtTheNodesBetween) {
  Section s = plates();
  EXPECT_EQ(outline(s, {ref(1, 1), ref(1, 2), ref(4, 1), ref(4, 2)}, OutlineDetail::Corners),
            (std::vector<BoundarySegment>{segment(ref(1, 1), ref(1, 2), 1),
                                          segment(ref(4, 1), ref(4, 2), 4)}));
  EXPECT_EQ(outline(s, {ref(1, 1), ref(1, 2)}),
            (std::vector<BoundarySegment>{segment(ref(1, 1), ref(5, 1), 1),
                                          segment(ref(5, 1), ref(6, 2), 1),
                                          segment(ref(6, 2), ref(1, 2), 1)}));
  // The orientation is the sign of the area enclosed; without an area it is -1.
  std::vector<std::string> status;
  outline(s, {ref(1, 1), ref(1, 2), ref(2, 3), ref(2, 2), ref(1, 1)});
  computeCompartmentOutlines(s, OutlineDetail::CutAtNodes,
                             [&](std::string_view text) { status.emplace_back(text); });
  EXPECT_EQ(status, (std::vector<std::string>{"Computing compartment outlines", ""}));
  outline(s, {ref(1, 1), ref(2, 2), ref(2, 3), ref(1, 2), ref(1, 1)});
  std::vector<Single> orientations;
  for (const SectionCompartment& c : s.Compartments) orientations.push_back(c.Orientation);
  EXPECT_EQ(orientations, (std::vector<Single>{-1, -1, 1, -1}));
}

// Far along a very long panel twice the tolerance is lost in the abscissa's
// precision: the corner itself must not count as a node between.
TEST(CompartmentOutlines, CuttingMovesOnFarAlongALongPanel) {
  Section s = sectionOf({panelThrough({straightNode(0, 0), straightNode(3e20, 0)}),
                         panelThrough({straightNode(1e20, 0)})});
  EXPECT_EQ(outline(s, {ref(2, 1), ref(1, 2)}),
            (std::vector<BoundarySegment>{segment(ref(2, 1), ref(1, 2), 1)}));
}

}  // namespace
}  // namespace korain::testing
