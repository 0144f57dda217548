// The geometry of a hull section: its nodes brought to their points and the
// checks of what its panels carry, each fault with its message.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "section/section_reader.h"
#include "section_builder.h"

namespace korain::testing {
namespace {

// The bottom (0, 0) to (10, 0) and the side standing on its last node up to (10, 8).
Section lShape() {
  return sectionOf({panelThrough({straightNode(0, 0), straightNode(5, 0), straightNode(10, 0)}),
                    panelThrough({onPanel(10, 0, 1, 3), straightNode(10, 8)})});
}

SectionStiffener stiffener(double y1, double y2, Integer side, double z2 = 0) {
  SectionStiffener s;
  s.Ends.append({.Y = Single(y1), .Z = 0, .Side = side});
  s.Ends.append({.Y = Single(y2), .Z = Single(z2), .Side = side});
  return s;
}

TwoEndedObject between(double y1, double z1, double y2, double z2) {
  return {Single(y1), Single(z1), Single(y2), Single(z2)};
}

TEST(SectionGeometry, EachFaultGivesItsMessageNamingPanelAndObject) {
  const struct {
    const char* what;
    std::function<void(Section&)> make;
    std::vector<std::string> messages;
  } faults[] = {
      {"nothing wrong", [](Section&) {}, {}},
      {"a reference to no node",
       [](Section& s) { s.Panels.at(2).Nodes.at(1).Inod = 9; },
       {"Panel 2: node 1 cannot be computed"}},
      {"an arc its data cannot describe",
       [](Section& s) { s.Panels.at(2).Nodes.at(2) = arcNode(10, 8, 1); },
       {"Panel 2: node 2 cannot be computed"}},
      {"a node off the panel it lies on",
       [](Section& s) {
         s.Panels.append(panelThrough({onPanel(5, 0, 1, 1, 1), onPanel(5, 8, 1, 2, 1)}));
       },
       {"Panel 3: node 2 cannot be placed on its reference panel"}},
      {"strakes",
       [](Section& s) {
         for (const TwoEndedObject& t :
              {between(0, 0, 4, 0), between(0, 1, 4, 0), between(0, 0, 4, 1), between(3, 0, 3, 0),
               between(0, 1, 4, 1)}) {
           s.Panels.at(1).Strakes.append({.Y1 = t.Y1, .Z1 = t.Z1, .Y2 = t.Y2, .Z2 = t.Z2});
         }
       },
       {"Panel 1: strake 2 does not start on the panel",
        "Panel 1: strake 3 does not end on the panel", "Panel 1: strake 4 has no length",
        "Panel 1: strake 5 lies outside the panel"}},
      {"stiffeners",
       [](Section& s) {
         List<SectionStiffener>& list = s.Panels.at(1).Stiffeners;
         list.append(stiffener(1, 4, 0));
         list.append(stiffener(3, 6, 0));      // overlaps 1
         list.append(stiffener(3, 6, 1));      // on the other face
         list.append(stiffener(0.2, 0.5, 1));  // behind 3
         list.append({});
         list.append(stiffener(2, 2, 0, 1));  // an end off the panel: left out
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
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.what);
    Section s = lShape();
    fault.make(s);
    EXPECT_EQ(computeMessages(s), fault.messages);
  }
}

TEST(SectionGeometry, StiffenerEndsArePlacedAlongTheirPanel) {
  Section s = lShape();
  s.Panels.at(1).Stiffeners.append(stiffener(10.0005, 7, 0, 1));
  computeMessages(s);
  const StiffenerEnd& on = s.Panels.at(1).Stiffeners.at(1).Ends.at(1);
  const StiffenerEnd& off = s.Panels.at(1).Stiffeners.at(1).Ends.at(2);
  expectNear({on.S, on.PanelY, double(on.AbsCode), double(on.PointCode), double(off.AbsCode),
              double(off.PointCode), off.PanelZ},
             {10, 10, 0, 0, kEndNotOnPanel, 1, 1});
}

// A node lying on a panel of a higher number has that panel computed first,
// so its own check sees the panel's arcs and the messages come in that order.
TEST(SectionGeometry, PanelsANodeLiesOnAreComputedFirst) {
  const double onArc = 4 - 2 * std::sqrt(2.0);  // on the arc round (4, 4), off its chord
  Section s = sectionOf(
      {panelThrough({straightNode(0, 0), onPanel(onArc, onArc, 2, 1, 1), arcNode(30, 0, 1)}),
       panelThrough({straightNode(0, 4), arcNode(4, 0, 4), arcNode(9, 9, 1)})});
  EXPECT_EQ(computeMessages(s), (std::vector<std::string>{"Panel 2: node 3 cannot be computed",
                                                          "Panel 1: node 3 cannot be computed"}));
}

TEST(SectionGeometry, NodesTakeThePointOfTheNodeTheyAreAndStrakesTheirMaterial) {
  Section s = sectionOf({panelThrough({straightNode(0, 0), straightNode(4, 0)}),
                         panelThrough({onPanel(9, 9, 1, 2)}),
                         panelThrough({onPanel(7, 7, 2, 1), onPanel(6, 6, 3, 3),
                                       onPanel(5, 5, 3, 2), onPanel(8, 8, 4, 1)})});
  computeAbsNodes(s.Panels);
  std::vector<Single> y;
  for (const Node& n : s.Panels.at(3).Nodes) y.push_back(n.Y);
  // Through a chain; a loop, and a reference to no node, keep their points.
  EXPECT_EQ(y, (std::vector<Single>{4, 6, 5, 8}));

  s.Panels.at(1).iMat = 3;
  for (const int p : {1, 2}) s.Panels.at(p).Strakes.append();
  s.Panels.at(2).Strakes.append().iMat = 5;
  computeAbsStrake(s.Panels, 2);
  EXPECT_EQ(
      (std::vector<Integer>{s.Panels.at(1).Strakes.at(1).iMat, s.Panels.at(2).Strakes.at(1).iMat,
                            s.Panels.at(2).Strakes.at(2).iMat}),
      (std::vector<Integer>{3, 2, 5}));
}

TEST(SectionGeometry, ExampleSectionsComputeWithoutMessagesShowingTheirName) {
  for (const Integer block : {Integer{3}, Integer{4}}) {
    Section s;
    ASSERT_TRUE(
        readSection(KORAIN_EXAMPLES "/bulk_carrier.ko2", block, s, Arrangements::ReadAsSections)
            .found());
    std::vector<std::string> status;
    SectionMessages messages;
    computeSection(s, messages, [&](std::string_view text) { status.emplace_back(text); });
    EXPECT_EQ(messages.texts(), std::vector<std::string>{});
    EXPECT_EQ(status, (std::vector<std::string>{"Computing section " + s.Name, ""}));
  }
  Section none;
  SectionMessages messages;
  computeSection(none, messages, [](std::string_view) { FAIL() << "status without panels"; });
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
