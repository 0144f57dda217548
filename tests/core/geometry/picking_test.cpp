// Which object lies under the cursor: the order in which kinds of object are
// tried decides what a click on overlapping objects selects.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/picking.h"

#include <gtest/gtest.h>

#include <tuple>

#include "geometry/compute_geometry.h"
#include "geometry_test_support.h"
#include "model/codes.h"

namespace korain::testing {
namespace {

// The plate 0..10 by 0..8 with the corner below (4..10, 0..3) cut away;
// horizontal members at z 2 (only over y 0..4) and z 5, one vertical stiffener
// at y 7 running from z 3, and two bands split at z 4, the upper one in two
// strakes split at y 6.
Bulkhead pickingBulkhead(std::string name) {
  Bulkhead b = bulkheadThrough(
      {straightNode(0, 0), straightNode(4, 0), straightNode(4, 3), straightNode(10, 3),
       straightNode(10, 8), straightNode(0, 8), straightNode(0, 0)},
      std::move(name));
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(2, kHorizontal));
  b.PrimaryMembers.append(member(5, kHorizontal));
  b.Stiffeners.append(stiffener(7));
  StrakeBand& lower = b.StrakeBands.append();
  lower.Z = 4;
  lower.Strakes.append().Th = 12;
  StrakeBand& upper = b.StrakeBands.append();
  upper.Z = 8;
  for (const Single y : {6.0F, 10.0F}) {
    Strake& strake = upper.Strakes.append();
    strake.Y = y;
    strake.Th = 12;
  }
  return b;
}

class Picking : public ::testing::Test {
 protected:
  void SetUp() override {
    arrangement_.Bulkheads.append(pickingBulkhead("First"));
    arrangement_.Bulkheads.append(pickingBulkhead("Second"));  // on top of the first
    GeometryState state;
    MessageList messages;
    computeGeometry(arrangement_, state, messages, kTestDefaultMaterial);
    ASSERT_TRUE(messages.empty()) << messages.messages().front().text;
    arrangement_.CurBulkhead = 0;
  }

  Arrangement arrangement_;
};

TEST_F(Picking, KindsAreTriedInOrder) {
  constexpr Long kAll = kPickNodes | kPickPrimaryMembers | kPickStiffenerSpans | kPickStrakes;
  constexpr Long kMembers = kPickPrimaryMembers;
  constexpr Long kSpans = kPickStiffenerSpans;
  constexpr PanelCode kDisplay = PanelCode::Display;
  constexpr PanelCode kBands = PanelCode::StrakeBands;
  constexpr PanelCode kStiffeners = PanelCode::OrdinaryStiffeners;
  using enum PickCode;
  struct Case {
    const char* what;
    PlanePoint point;
    Long mask;
    PanelCode panel;
    PickCode code;
    Integer object;
    Integer subObject;
  };
  // The stiffener starts above the short member: its first span lies in
  // support interval 2 and its second in interval 3.
  const Case cases[] = {
      {"node 4, looked for", {10.0005, 3}, kPickNodes, kDisplay, Node, 4, 0},
      {"off the nodes: the contour after node 3", {7, 3}, kPickNodes, kDisplay, Contour, 3, 0},
      {"contour after node 5, nodes not looked for", {5, 8.002}, 0, kDisplay, Contour, 5, 0},
      {"contour wins over everything", {0, 5}, kAll, kBands, Contour, 6, 0},
      {"short member", {2, 2}, kMembers, kDisplay, PrimaryMember, 1, 0},
      {"long member", {8, 5.003}, kMembers, kDisplay, PrimaryMember, 2, 0},
      {"member before span", {7, 5}, kMembers | kSpans, kDisplay, PrimaryMember, 2, 0},
      {"span first, stiff. panel", {7, 5}, kMembers | kSpans, kStiffeners, StiffenerSpan, 1, 2},
      {"member off spans, stiff.", {8, 5}, kMembers | kSpans, kStiffeners, PrimaryMember, 2, 0},
      {"first span", {7, 4}, kSpans, kDisplay, StiffenerSpan, 1, 2},
      {"second span", {7, 6}, kSpans, kDisplay, StiffenerSpan, 1, 3},
      {"strake of the lower band", {2, 2}, kPickStrakes, kDisplay, Strake, 1, 1},
      {"first strake of the upper band", {3, 6}, kPickStrakes, kDisplay, Strake, 2, 1},
      {"second strake of the upper band", {8, 6}, kPickStrakes, kDisplay, Strake, 2, 2},
      {"inside, strakes not looked for", {8, 6}, kSpans, kDisplay, Contour, 1, 0},
      {"member on a strake", {8, 5}, kMembers | kPickStrakes, kDisplay, PrimaryMember, 2, 0},
      {"strake over member, bands panel", {8, 5}, kMembers | kPickStrakes, kBands, Strake, 2, 2},
      {"in the cut-away corner", {7, 1}, kAll, kDisplay, Nothing, 0, 0},
  };
  for (const Case& c : cases) {
    PickTarget target{9, 9, 9};
    const PickCode code = findObject(arrangement_, c.point, 0.01, c.mask, c.panel, target);
    const Integer bulkhead = c.code == Nothing ? 0 : 1;
    EXPECT_EQ(std::tuple(code, target.bulkhead, target.object, target.subObject),
              std::tuple(c.code, bulkhead, c.object, c.subObject))
        << c.what;
  }
}

TEST_F(Picking, CurrentBulkheadFirstAndNoBulkheadLeavesTheTarget) {
  for (const auto& [current, expected] : {std::pair<Integer, Integer>{0, 1}, {1, 1}, {2, 2}}) {
    arrangement_.CurBulkhead = current;
    PickTarget target;
    EXPECT_EQ(findObject(arrangement_, {7, 3}, 0.01, 0, PanelCode::Display, target),
              PickCode::Contour);
    EXPECT_EQ(target.bulkhead, expected) << "current " << current;
  }

  const Arrangement none;
  PickTarget untouched{5, 6, 7};
  EXPECT_EQ(findObject(none, {7, 3}, 0.01, 0xFF, PanelCode::Display, untouched), PickCode::Nothing);
  EXPECT_EQ(std::tuple(untouched.bulkhead, untouched.object, untouched.subObject),
            std::tuple(5, 6, 7));
}

// The plate 0..10 by 0..8, a horizontal member at z 4 splitting it into
// support intervals 1 and 2, vertical stiffeners at y 2, 2.015 and 6.
TEST(SpanPick, TheNearestStiffenersSpanWithinTheTolerance) {
  Bulkhead b = rectangle();
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(4, kHorizontal));
  for (const double y : {2.0, 2.015, 6.0}) b.Stiffeners.append(stiffener(y));
  ASSERT_TRUE(compute(b).empty());
  struct Case {
    const char* what;
    PlanePoint point;
    Integer stiffener;  // 0: no span
    Integer interval;
  };
  const Case cases[] = {
      {"above the member", {6.009, 7}, 3, 2},
      {"nearer the first of two close stiffeners", {2.007, 6}, 1, 2},
      {"nearer the second", {2.008, 6}, 2, 2},
      {"on the support: the lower span", {6, 4}, 3, 1},
      {"past the stiffener's end", {6, 8.02}, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<SpanPick> pick = spanAt(b, c.point, 0.01);
    const SpanPick none;
    EXPECT_EQ(std::pair(pick.value_or(none).stiffener, pick.value_or(none).interval),
              std::pair(c.stiffener, c.interval))
        << c.what;
  }
}

TEST(PickingOutline, InsideOnAnEdgeAndRaysThroughVertices) {
  List<StrakePoint> square;
  for (const auto& [y, z] : {std::pair{0.F, 0.F}, {2.F, 0.F}, {2.F, 2.F}, {0.F, 2.F}}) {
    square.append({y, z});
  }
  // The ray runs towards (-100000, -100000), down and to the left at 45 degrees.
  const std::pair<PlanePoint, bool> cases[] = {
      {{1, 0.5}, true},  {{1, -0.5}, false},  // inside; outside, missing the square
      {{3, 1.5}, false},                      // outside, the ray crossing two edges
      {{2, 1}, true},    {{2.0005, 1}, true}, {{2, 2}, true},  // on an edge or a vertex
      {{1, 1}, true},   // the ray leaves through the vertex (0, 0)
      {{3, 3}, false},  // the ray passes through the vertices (2, 2) and (0, 0)
  };
  for (const auto& [point, inside] : cases) {
    EXPECT_EQ(pointInOutline(square, point), inside) << point.y << ", " << point.z;
  }
  EXPECT_FALSE(pointInOutline(List<StrakePoint>{}, {0, 0}));
}

}  // namespace
}  // namespace korain::testing
