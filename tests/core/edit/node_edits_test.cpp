// The node panel's contour edits: where a new node lands, and how inserting
// and removing keep the first node free of an incoming segment.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/node_edits.h"

#include <gtest/gtest.h>

#include <vector>

#include "../geometry/geometry_test_support.h"
#include "edit/form_edit.h"
#include "geometry/compute_geometry.h"
#include "geometry/picking.h"
#include "view/forms/forms.h"

namespace korain::testing {
namespace {

constexpr PickSettings kNodePanelPick{0.05, kPickNodes | kPickPrimaryMembers, PanelCode::Nodes};

// Gives the numbers it was handed, in turn, then 0.5, and counts the draws.
struct ScriptedRandom {
  std::vector<double> numbers;
  int draws = 0;

  RandomSource source() {
    return [this] {
      const auto k = static_cast<std::size_t>(draws++);
      return k < numbers.size() ? numbers[k] : 0.5;
    };
  }
};

// A section 25 m broad and 20 m high (one step is 1 m) holding one bulkhead.
Arrangement sectionWith(const Bulkhead& bulkhead, Long symFlag = 0, double breadth = 25) {
  Arrangement a;
  a.SectionBreadth = static_cast<Single>(breadth);
  a.SectionHeight = 20;
  a.SymFlag = symFlag;
  a.Bulkheads.append(bulkhead);
  a.CurBulkhead = 1;
  return a;
}

NodePlace placeAfterLast(const Arrangement& a, ScriptedRandom& random,
                         const PickSettings& pick = kNodePanelPick) {
  const Bulkhead& b = a.Bulkheads.at(1);
  return findNewNodePlace(a, b, b.Nodes.count(), pick, random.source());
}

TEST(FindNewNodePlace, OneStepUpAndRightOfTheNodeWithinTheSection) {
  struct Case {
    const char* what;
    std::vector<Node> nodes;
    Long symFlag;
    double breadth;
    double y;
    double z;
  };
  const Case cases[] = {
      {"the first node of a contour at the origin", {}, 0, 25, 0, 0},
      {"from the origin", {straightNode(0, 0)}, 0, 25, 1, 1},
      {"rounded to a tenth", {straightNode(1.04, 2.06)}, 0, 25, 2.0, 3.1},
      {"held at the half breadth and the height", {straightNode(12.4, 19.8)}, 0, 25, 12.5, 20},
      {"one side only: no negative y", {straightNode(-5, 3)}, 0, 25, 0, 4},
      {"both sides: negative y kept", {straightNode(-5, 3)}, 1, 25, -4, 4},
      {"both sides: held at minus the half breadth", {straightNode(-30, 3)}, 1, 25, -12.5, 4},
      {"a step too small to round becomes half a metre", {straightNode(0, 0)}, 0, 1, 0.5, 0.5},
  };
  for (const Case& c : cases) {
    ScriptedRandom random;
    Bulkhead bulkhead;
    for (const Node& node : c.nodes) bulkhead.Nodes.append(node);
    const NodePlace place = placeAfterLast(sectionWith(bulkhead, c.symFlag, c.breadth), random);
    EXPECT_TRUE(place.free) << c.what;
    EXPECT_NEAR(place.y, c.y, 1e-9) << c.what;
    EXPECT_NEAR(place.z, c.z, 1e-9) << c.what;
    EXPECT_EQ(random.draws, 0) << c.what;
  }
}

TEST(FindNewNodePlace, AnOccupiedCandidateIsMovedAtRandom) {
  // Node 2 sits exactly where a node after node 1 would first go.
  const Arrangement a = sectionWith(bulkheadThrough({straightNode(0, 0), straightNode(1, 1)}));
  ScriptedRandom random{{0.9, 0.1}};
  const NodePlace place =
      findNewNodePlace(a, a.Bulkheads.at(1), 1, kNodePanelPick, random.source());
  EXPECT_TRUE(place.free);
  EXPECT_NEAR(place.y, 1.4, 1e-9);  // 1 - (0.5 - 0.9) * 1
  EXPECT_NEAR(place.z, 0.2, 1e-9);  // 1 - (0.5 - 0.1) * 2
  EXPECT_EQ(random.draws, 2);
}

TEST(FindNewNodePlace, GivesUpAfterAHundredAttemptsOnTheLastCandidate) {
  // A tolerance wider than the section: every spot hits node 1.
  const Arrangement a = sectionWith(bulkheadThrough({straightNode(3, 3)}));
  ScriptedRandom random;
  random.numbers.assign(200, 0.99);  // every move goes right and up, to the section's corner
  const NodePlace place = placeAfterLast(a, random, {100, kPickNodes, PanelCode::Nodes});
  EXPECT_FALSE(place.free);
  EXPECT_EQ(random.draws, 2 * 99);
  EXPECT_NEAR(place.y, 12.5, 1e-9);
  EXPECT_NEAR(place.z, 20, 1e-9);
}

TEST(FindNewNodePlace, TheSectionSizeSpansBothSidesOfTheCentreLine) {
  struct Case {
    const char* what;
    WorldWindow extent;
    double breadth;
    double height;
  };
  const Case cases[] = {
      {"both sides", {-16, 0, 32, 18}, 32, 18},
      {"starboard only", {0, 0, 16, 18}, 32, 18},
      {"reaching further to port", {-12, 1, 20, 17}, 24, 18},
  };
  for (const Case& c : cases) {
    Arrangement a;
    takeSectionSize(a, c.extent);
    EXPECT_EQ(a.SectionBreadth, c.breadth) << c.what;
    EXPECT_EQ(a.SectionHeight, c.height) << c.what;
  }
}

std::vector<std::vector<double>> nodesOf(const Bulkhead& b) {
  std::vector<std::vector<double>> nodes;
  for (const Node& n : b.Nodes) nodes.push_back({n.Y, n.Z, static_cast<double>(n.ShCur)});
  return nodes;
}

TEST(NodeEdits, InsertingGoesHalfwayToThePreviousNodeOrTheOrigin) {
  Bulkhead b = bulkheadThrough({straightNode(2, 4, 0), arcNode(6, 8, 5)});
  ASSERT_EQ(insertNodeBefore(b, 2), EditOutcome{});
  EXPECT_EQ(nodesOf(b), (std::vector<std::vector<double>>{{2, 4, 0}, {4, 6, 3}, {6, 8, 3}}));
  EXPECT_EQ(b.Nodes.at(2).ShR, 5);  // a copy of the node it comes before
  EXPECT_EQ(b.CurNode, 2);

  ASSERT_EQ(insertNodeBefore(b, 1), EditOutcome{});
  EXPECT_EQ(nodesOf(b),
            (std::vector<std::vector<double>>{{1, 2, 0}, {2, 4, 1}, {4, 6, 3}, {6, 8, 3}}));
  EXPECT_EQ(b.CurNode, 1);

  // Once computed, every node carries its place: the number written beside it.
  computeBulkheadGeometry(b, 1, 0, 1);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(b.Nodes.at(k).Abs, k);
}

TEST(NodeEdits, RemovingKeepsTheFirstNodeWithoutASegment) {
  struct Case {
    const char* what;
    Integer current;
    std::vector<std::vector<double>> nodes;
    Integer currentAfter;
  };
  const Case cases[] = {
      {"the first", 1, {{2, 0, 0}, {3, 0, 3}}, 1},
      {"a middle one", 2, {{1, 0, 0}, {3, 0, 3}}, 2},
      {"the last", 3, {{1, 0, 0}, {2, 0, 1}}, 0},
  };
  for (const Case& c : cases) {
    Bulkhead b = bulkheadThrough({straightNode(1, 0, 0), straightNode(2, 0), arcNode(3, 0, 1)});
    b.CurNode = c.current;
    ASSERT_EQ(removeNode(b), EditOutcome{}) << c.what;
    EXPECT_EQ(nodesOf(b), c.nodes) << c.what;
    EXPECT_EQ(b.CurNode, c.currentAfter) << c.what;
  }
}

// A curve tool pressed on the node panel leaves the first node's start code.
TEST(NodeEdits, TheFirstNodeKeepsItsStartCodeWhateverCurveIsAsked) {
  const FormTable<Node>& form = nodeForm();
  for (const auto& [current, code] :
       {std::pair{Integer{1}, Long{0}}, std::pair{Integer{2}, kCurveArc}}) {
    Arrangement a = sectionWith(bulkheadThrough({straightNode(1, 0, 0), straightNode(2, 0)}));
    a.Bulkheads.at(1).CurNode = current;
    ASSERT_EQ(setFormField(a, form, *rowNamed(form, "SS_Curve"), FormValue{3.0}), EditOutcome{});
    EXPECT_EQ(a.Bulkheads.at(1).Nodes.at(current).ShCur, code) << current;
  }
}

}  // namespace
}  // namespace korain::testing
