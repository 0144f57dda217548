// The arrangement against its ship: main data just within and just beyond
// what a ship can have, nodes just inside and just outside a hull section, and
// the editor's kept checks giving what a check from scratch gives.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ship_fit_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "geometry_test_support.h"

namespace korain::testing {
namespace {

SectionPanel panelThrough(std::initializer_list<Node> nodes) {
  SectionPanel panel;
  for (const Node& node : nodes) panel.Nodes.append(node);
  return panel;
}

// Half a hull 20 m wide and 15 m deep: a flat bottom to y 8, a chine up to the
// side at y 10 and z 2, the side, and the deck; drawn on the starboard side only.
Section halfHull() {
  Section section;
  section.Panels.append(panelThrough({straightNode(0, 0), straightNode(8, 0)}));
  section.Panels.append(panelThrough({straightNode(8, 0), straightNode(10, 2)}));
  section.Panels.append(panelThrough({straightNode(10, 2), straightNode(10, 15)}));
  section.Panels.append(panelThrough({straightNode(10, 15), straightNode(0, 15)}));
  return section;
}

TEST(HullExtent, HoldsWhatLiesWithinTheOutermostPanelAtItsHeightOnEitherSide) {
  const HullExtent hull(halfHull());
  EXPECT_DOUBLE_EQ(hull.breadth(), 20);
  struct Case {
    PlanePoint point;
    bool held;
  };
  const Case cases[] = {
      {{10.0009, 8}, true}, {{10.002, 8}, false}, {{-10.0009, 8}, true}, {{-10.002, 8}, false},
      {{9.0009, 1}, true},  {{9.002, 1}, false},  {{5, 15.0009}, true},  {{5, 15.002}, false},
      {{5, -0.0009}, true}, {{5, -0.002}, false}, {{0, 7.5}, true},      {{10, 15}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(hull.holds(c.point, kGeometryTolerance), c.held) << c.point.y << ", " << c.point.z;
  }
}

// One row per main data rule, just beyond it and just within it; no section is
// given, so the hoppers are held to the ship's breadth of 20 m.
TEST(ShipFit, EachMainDataRuleTripsJustBeyondItsLimitAndNotWithin) {
  struct Case {
    std::function<void(Arrangement&)> edit;
    std::string expected;
  };
  const Case cases[] = {
      {[](Arrangement& a) { a.X = 500.1F; },
       "Main data: longitudinal location 500.1 m is more than 500 m from the aft perpendicular"},
      {[](Arrangement& a) { a.X = -500; }, ""},
      {[](Arrangement& a) { a.StoolVolume = -0.5F; },
       "Main data: stool volume -0.5 m³ is not plausible"},
      {[](Arrangement& a) { a.StoolVolume = 0; }, ""},
      {[](Arrangement& a) { a.ForeHopperBreadth = 20.01F; },
       "Main data: fore hopper breadth 20.01 m is more than the section's breadth of 20 m"},
      {[](Arrangement& a) { a.ForeHopperBreadth = 20; }, ""},
      {[](Arrangement& a) { a.AftHopperBreadth = -1; },
       "Main data: aft hopper breadth -1 m is not plausible"},
      {[](Arrangement& a) { a.AftHopperZTop = 501; },
       "Main data: aft hopper top 501 m is more than 500 m from the base line"},
      {[](Arrangement& a) { a.ForeHopperZTop = 500; }, ""},
  };
  for (const Case& c : cases) {
    Arrangement arrangement;
    c.edit(arrangement);
    std::vector<std::string> expected;
    if (!c.expected.empty()) expected.push_back(c.expected);
    EXPECT_EQ(messagesOf(checkShipFit(arrangement, nullptr, 20)), expected);
  }
}

TEST(ShipFit, NamesEachNodeOutsideTheHullWithItsBulkhead) {
  Arrangement arrangement;
  arrangement.Bulkheads.append(bulkheadThrough(
      {straightNode(0, 0), straightNode(10, 2), straightNode(10.1, 14), straightNode(0, 15)}));
  arrangement.Bulkheads.append(bulkheadThrough({straightNode(0, 16)}, "Above"));
  const HullExtent hull(halfHull());
  const std::vector<Message> messages = checkShipFit(arrangement, &hull, 0);
  EXPECT_EQ(messagesOf(messages),
            (std::vector<std::string>{
                "Node 3 of 'BH' at y 10.1 m, z 14 m lies outside the hull section",
                "Node 1 of 'Above' at y 0 m, z 16 m lies outside the hull section"}));
  ASSERT_EQ(messages.size(), 2U);
  EXPECT_EQ((std::vector{messages[0].bulkhead, messages[0].index, messages[1].bulkhead}),
            (std::vector{1, 3, 2}));
  EXPECT_EQ(messages[1].kind, PanelCode::Nodes);
  // Without a section nothing is said of the nodes.
  EXPECT_TRUE(checkShipFit(arrangement, nullptr, 0).empty());
}

// The kept checks look at a bulkhead again only when its version moved: they
// give what a check from scratch gives after each change they are told of, and
// keep what they found for a bulkhead whose version stayed.
TEST(ShipFitChecks, GiveWhatACheckFromScratchGivesAfterEveryChangeTheyAreToldOf) {
  Arrangement arrangement;
  for (int i = 0; i < 3; ++i) {
    arrangement.Bulkheads.append(bulkheadThrough(
        {straightNode(0, 2), straightNode(10, 2), straightNode(10, 8), straightNode(0, 8)}));
  }
  std::vector<std::uint64_t> versions{1, 2, 3};
  const auto versionOf = [&versions](int i) {
    return versions.at(static_cast<std::size_t>(i - 1));
  };
  const Section section = halfHull();
  const HullExtent hull(section);
  ShipFitChecks kept;
  kept.useHull(&section);
  const auto check = [&] {
    kept.check(arrangement, 0, versionOf);
    return kept.messages();
  };
  EXPECT_TRUE(check().empty());

  arrangement.Bulkheads.at(2).Nodes.at(3).Y = 11;
  arrangement.X = 600;
  versions[1] = 4;
  EXPECT_EQ(check(), checkShipFit(arrangement, &hull, 0));
  EXPECT_EQ(kept.count(), (MessageCount{.warnings = 2}));
  EXPECT_EQ(messagesOf(kept.latest(1)), messagesOf(std::vector{kept.messages().back()}));

  // A change it is not told of is not looked at: what it found stands.
  arrangement.Bulkheads.at(1).Nodes.at(2).Y = 12;
  EXPECT_EQ(check().size(), 2U);

  arrangement.Bulkheads.remove(1);
  versions = {4, 5};
  EXPECT_EQ(check(), checkShipFit(arrangement, &hull, 0));
  kept.useHull(nullptr);
  EXPECT_EQ(check().size(), 1U);  // the main data's
}

}  // namespace
}  // namespace korain::testing
