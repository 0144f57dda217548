// The outlines of a section's compartments: the panel that carries two nodes,
// the nodes between them, and the segments with their orientation.
#include "section/compartment_outlines.h"

#include <gtest/gtest.h>

#include "section/section_reader.h"
#include "section_builder.h"

namespace korain::testing {
namespace {

NodeRef ref(int p, int k) { return {static_cast<Integer>(p), static_cast<Integer>(k)}; }

BoundarySegment segment(NodeRef from, NodeRef to, int panel) {
  return {from, to, static_cast<Integer>(panel)};
}

std::vector<BoundarySegment> segmentsOf(const SectionCompartment& c) {
  return {c.NodeList.begin(), c.NodeList.end()};
}

// A plate (0, 0) to (10, 0), a detour round it over (0, 5) and (10, 5), the
// same plate again, a panel far away, and two panels standing on the plate,
// the first at y = 4, the second at y = 4 and 7.
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
  EXPECT_EQ(places.commonPanel(ref(1, 1), ref(1, 2)), 1);
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
  EXPECT_EQ(places.nextNodeBetween(1, ref(6, 3), ref(1, 2)), ref(5, 1));
}

TEST(CompartmentOutlines, SegmentsRunOnTheirCommonPanelCutAtTheNodesBetween) {
  Section s = plates();
  SectionCompartment& c = s.Compartments.append();
  for (const NodeRef r : {ref(1, 1), ref(1, 2), ref(4, 1), ref(4, 2)}) c.NodeRefs.append(r);
  computeCompartmentOutlines(s, OutlineDetail::Corners, {});
  EXPECT_EQ(segmentsOf(s.Compartments.at(1)),
            (std::vector<BoundarySegment>{segment(ref(1, 1), ref(1, 2), 1),
                                          segment(ref(4, 1), ref(4, 2), 4)}));
  computeCompartmentOutlines(s, OutlineDetail::CutAtNodes, {});
  EXPECT_EQ(segmentsOf(s.Compartments.at(1)),
            (std::vector<BoundarySegment>{
                segment(ref(1, 1), ref(5, 1), 1), segment(ref(5, 1), ref(6, 2), 1),
                segment(ref(6, 2), ref(1, 2), 1), segment(ref(4, 1), ref(4, 2), 4)}));
}

TEST(CompartmentOutlines, OrientationIsTheSignOfTheEnclosedArea) {
  Section s = plates();
  const auto orientation = [&](std::initializer_list<NodeRef> refs) {
    SectionCompartment& c = s.Compartments.append();
    for (const NodeRef r : refs) c.NodeRefs.append(r);
    computeCompartmentOutlines(s, OutlineDetail::CutAtNodes, {});
    return s.Compartments.last().Orientation;
  };
  EXPECT_EQ(orientation({ref(1, 1), ref(1, 2), ref(2, 3), ref(2, 2), ref(1, 1)}), 1.0F);
  EXPECT_EQ(orientation({ref(1, 1), ref(2, 2), ref(2, 3), ref(1, 2), ref(1, 1)}), -1.0F);
  EXPECT_EQ(orientation({ref(4, 1), ref(1, 1)}), -1.0F) << "no segment, no area";
}

// Far along a very long panel twice the tolerance is lost in the abscissa's
// precision: the corner itself must not count as a node between.
TEST(CompartmentOutlines, CuttingMovesOnFarAlongALongPanel) {
  Section s = sectionOf({panelThrough({straightNode(0, 0), straightNode(3e20, 0)}),
                         panelThrough({straightNode(1e20, 0)})});
  SectionCompartment& c = s.Compartments.append();
  c.NodeRefs.append(ref(2, 1));
  c.NodeRefs.append(ref(1, 2));
  computeCompartmentOutlines(s, OutlineDetail::CutAtNodes, {});
  EXPECT_EQ(segmentsOf(s.Compartments.at(1)),
            (std::vector<BoundarySegment>{segment(ref(2, 1), ref(1, 2), 1)}));
}

TEST(CompartmentOutlines, ExampleMidshipDoubleBottomTurnsAtEveryNodeOfItsBoundary) {
  Section s;
  ASSERT_TRUE(readSection(KORAIN_EXAMPLES "/bulk_carrier.ko2", 3, s, false).found());
  ASSERT_EQ(s.Compartments.at(2).Name, "Double bottom tank 3 (starboard)");
  computeMessages(s);
  std::vector<std::string> status;
  computeCompartmentOutlines(s, OutlineDetail::CutAtNodes,
                             [&](std::string_view text) { status.emplace_back(text); });
  EXPECT_EQ(status, (std::vector<std::string>{"Computing compartment outlines", ""}));
  // The side girder at y = 5 meets the bottom and the inner bottom in nodes of
  // their own, which come first in the order of panels.
  EXPECT_EQ(segmentsOf(s.Compartments.at(2)),
            (std::vector<BoundarySegment>{
                segment(ref(1, 1), ref(1, 2), 1), segment(ref(1, 2), ref(1, 3), 1),
                segment(ref(1, 3), ref(4, 3), 10), segment(ref(4, 3), ref(4, 2), 4),
                segment(ref(4, 2), ref(4, 1), 4), segment(ref(4, 1), ref(1, 1), 8)}));
  for (const SectionCompartment& c : s.Compartments) EXPECT_EQ(c.Orientation, 1.0F) << c.Name;
}

}  // namespace
}  // namespace korain::testing
