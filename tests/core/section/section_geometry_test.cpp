// The geometry of a hull section: its nodes brought to their points and the
// checks of what its panels carry, each fault with its message.
#include "section/section_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "section/section_reader.h"
#include "section_builder.h"

namespace korain::testing {
namespace {

// The bottom (0, 0) to (10, 0) and the side standing on its last node up to (10, 8).
Section lShape() {
  return sectionOf({panelThrough({straightNode(0, 0), straightNode(5, 0), straightNode(10, 0)}),
                    panelThrough({sameNode(10, 0, 1, 3), straightNode(10, 8)})});
}

StiffenerEnd end(double y, double z, Integer side) {
  return {.Y = static_cast<Single>(y), .Z = static_cast<Single>(z), .Side = side};
}

SectionStiffener stiffenerBetween(std::initializer_list<StiffenerEnd> ends) {
  SectionStiffener stiffener;
  for (const StiffenerEnd& e : ends) stiffener.Ends.append(e);
  return stiffener;
}

TwoEndedObject between(double y1, double z1, double y2, double z2) {
  return {static_cast<Single>(y1), static_cast<Single>(z1), static_cast<Single>(y2),
          static_cast<Single>(z2)};
}

SectionStrake strake(double y1, double z1, double y2, double z2) {
  return {.Y1 = static_cast<Single>(y1),
          .Z1 = static_cast<Single>(z1),
          .Y2 = static_cast<Single>(y2),
          .Z2 = static_cast<Single>(z2)};
}

struct Fault {
  const char* what;
  std::function<void(Section&)> make;
  std::vector<std::string> messages;
};

TEST(SectionGeometry, EachFaultGivesItsMessageNamingPanelAndObject) {
  const std::vector<Fault> faults = {
      {"nothing wrong", [](Section&) {}, {}},
      {"a reference to no node",
       [](Section& s) { s.Panels.at(2).Nodes.at(1).Inod = 9; },
       {"Panel 2: node 1 cannot be computed"}},
      {"an arc its data cannot describe",
       [](Section& s) { s.Panels.at(2).Nodes.at(2) = arcNode(10, 8, 1); },
       {"Panel 2: node 2 cannot be computed"}},
      {"a node off the panel it lies on",
       [](Section& s) {
         s.Panels.append(panelThrough({meetingNode(5, 0, 1, 1), meetingNode(5, 8, 1, 2)}));
       },
       {"Panel 3: node 2 cannot be placed on its reference panel"}},
      {"strakes",
       [](Section& s) {
         for (const SectionStrake& t : {strake(0, 0, 4, 0), strake(0, 1, 4, 0), strake(0, 0, 4, 1),
                                        strake(3, 0, 3, 0), strake(0, 1, 4, 1)}) {
           s.Panels.at(1).Strakes.append(t);
         }
       },
       {"Panel 1: strake 2 does not start on the panel",
        "Panel 1: strake 3 does not end on the panel", "Panel 1: strake 4 has no length",
        "Panel 1: strake 5 lies outside the panel"}},
      {"stiffeners",
       [](Section& s) {
         List<SectionStiffener>& list = s.Panels.at(1).Stiffeners;
         list.append(stiffenerBetween({end(1, 0, 0), end(4, 0, 0)}));
         list.append(stiffenerBetween({end(3, 0, 0), end(6, 0, 0)}));      // overlaps 1
         list.append(stiffenerBetween({end(3, 0, 1), end(6, 0, 1)}));      // on the other face
         list.append(stiffenerBetween({end(0.2, 0, 1), end(0.5, 0, 1)}));  // behind 3
         list.append({});
         // An end off the panel leaves the stiffener out of the comparisons.
         list.append(stiffenerBetween({end(2, 0, 0), end(2, 1, 0)}));
       },
       {"Panel 1: stiffener 5 has no end", "Panel 1: stiffeners 1 and 2 overlap",
        "Panel 1: stiffener 4 is not in order of position"}},
      {"girders, brackets and cut-outs against their panel",
       [](Section& s) {
         s.Panels.at(1).Girders.append(between(4, 0, 2, 0));
         s.Panels.at(1).Brackets.append(between(2, 0, 4, 0));
         s.Panels.at(1).CutOuts.append(between(6, 0, 5.9995, 0));  // within the tolerance
         s.Panels.at(1).CutOuts.append(between(6, 1, 5, 0));       // an end off the panel
         s.Panels.at(2).Brackets.append(between(10, 6, 10, 2));
       },
       {"Panel 1: the ends of Girder 1 are in reverse order",
        "Panel 2: the ends of Bracket 1 are in reverse order"}},
      {"segments on one another",
       [](Section& s) {
         s.Panels.append(panelThrough({straightNode(4, 0), straightNode(2, 0)}));
         // The same piece with another curve code is not the same plating.
         s.Panels.append(panelThrough({straightNode(6, 0), straightNode(8, 0, 5)}));
       },
       {"Panel 1: segment 1 overlaps a segment of panel 3"}},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    Section s = lShape();
    fault.make(s);
    EXPECT_EQ(computeMessages(s), fault.messages);
  }
}

// A node lying on a panel of a higher number has that panel computed first,
// so its own check sees the panel's arcs and the messages come in that order.
TEST(SectionGeometry, PanelsANodeLiesOnAreComputedFirst) {
  const double onArc = 4 - 2 * std::sqrt(2.0);  // on the arc round (4, 4), off its chord
  Section s = sectionOf(
      {panelThrough({straightNode(0, 0), meetingNode(onArc, onArc, 2, 1), arcNode(30, 0, 1)}),
       panelThrough({straightNode(0, 4), arcNode(4, 0, 4), arcNode(9, 9, 1)})});
  EXPECT_EQ(computeMessages(s), (std::vector<std::string>{"Panel 2: node 3 cannot be computed",
                                                          "Panel 1: node 3 cannot be computed"}));
}

TEST(SectionGeometry, NodesTakeThePointOfTheNodeTheyAre) {
  Section s = sectionOf({panelThrough({straightNode(0, 0), straightNode(4, 0)}),
                         panelThrough({sameNode(9, 9, 1, 2), straightNode(4, 3)}),
                         panelThrough({sameNode(7, 7, 2, 1), sameNode(6, 6, 3, 3),
                                       sameNode(5, 5, 3, 2), sameNode(8, 8, 4, 1)})});
  computeAbsNodes(s.Panels);
  const auto point = [&](int p, int k) {
    const Node& n = s.Panels.at(p).Nodes.at(k);
    return std::vector<double>{n.Y, n.Z};
  };
  EXPECT_EQ(point(2, 1), (std::vector<double>{4, 0}));
  EXPECT_EQ(point(3, 1), (std::vector<double>{4, 0})) << "through a chain";
  EXPECT_EQ(point(3, 2), (std::vector<double>{6, 6})) << "a loop keeps its points";
  EXPECT_EQ(point(3, 3), (std::vector<double>{5, 5}));
  EXPECT_EQ(point(3, 4), (std::vector<double>{8, 8})) << "a reference to no node";
}

TEST(SectionGeometry, StrakesWithoutMaterialTakeTheirPanelsOrTheDefault) {
  Section s = lShape();
  s.Panels.at(1).iMat = 3;
  for (const Integer m : {Integer{0}, Integer{5}}) {
    s.Panels.at(1).Strakes.append().iMat = m;
    s.Panels.at(2).Strakes.append().iMat = m;
  }
  computeAbsStrake(s.Panels, 2);
  EXPECT_EQ(s.Panels.at(1).Strakes.at(1).iMat, 3);
  EXPECT_EQ(s.Panels.at(2).Strakes.at(1).iMat, 2);
  EXPECT_EQ(s.Panels.at(2).Strakes.at(2).iMat, 5);
}

TEST(SectionGeometry, StiffenerEndsArePlacedAlongTheirPanel) {
  Section s = sectionOf({panelThrough({straightNode(0, 0), straightNode(2, 0), arcNode(4, 2, 2)})});
  s.Panels.at(1).Stiffeners.append(stiffenerBetween(
      {end(1, 0.0005, 0), end(2 + std::sqrt(2.0), 2 - std::sqrt(2.0), 0), end(1, 1, 0)}));
  computeMessages(s);
  const List<StiffenerEnd>& ends = s.Panels.at(1).Stiffeners.at(1).Ends;
  expectNear({ends.at(1).S, ends.at(1).PanelY, ends.at(1).PanelZ, double(ends.at(1).AbsCode),
              double(ends.at(1).PointCode)},
             {1, 1, 0, 0, 0});
  EXPECT_NEAR(ends.at(2).S, 2 + std::numbers::pi / 2, 1e-5);
  expectNear({double(ends.at(3).AbsCode), double(ends.at(3).PointCode), ends.at(3).PanelY,
              ends.at(3).PanelZ},
             {kEndNotOnPanel, 1, 1, 1});
}

TEST(SectionGeometry, ExampleSectionsComputeWithoutMessagesShowingTheirName) {
  for (const Integer block : {Integer{3}, Integer{4}}) {
    Section s;
    ASSERT_TRUE(readSection(KORAIN_EXAMPLES "/bulk_carrier.ko2", block, s, false).found());
    std::vector<std::string> status;
    SectionMessages messages;
    computeSection(s, messages, [&](std::string_view text) { status.emplace_back(text); });
    EXPECT_TRUE(messages.texts().empty()) << messages.texts().front();
    EXPECT_EQ(status, (std::vector<std::string>{"Computing section " + s.Name, ""}));
  }
}

TEST(SectionGeometry, NoPanelsComputeNothingAndShowNoStatus) {
  Section s;
  s.Compartments.append();
  const Section before = s;
  SectionMessages messages;
  computeSection(s, messages, [](std::string_view) { FAIL() << "status shown"; });
  EXPECT_EQ(s, before);
  EXPECT_TRUE(messages.texts().empty());
}

// A damaged section can overlap every pair of its segments: the messages stop
// at their capacity with one that says so.
TEST(SectionGeometry, MessagesStopAtTheirCapacity) {
  Section s;
  for (int p = 0; p < 100; ++p)
    s.Panels.append(panelThrough({straightNode(0, 0), straightNode(1, 0)}));
  const std::vector<std::string> texts = computeMessages(s);
  ASSERT_EQ(texts.size(), SectionMessages::kCapacity);
  EXPECT_EQ(texts.front(), "Panel 1: segment 1 overlaps a segment of panel 2");
  EXPECT_EQ(texts.back(), "Further messages of the section are left out");
}

}  // namespace
}  // namespace korain::testing
