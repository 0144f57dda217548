// Arrangements built from hull sections: the hand-written sections of the test
// data worked out by hand, the example's midship section, and the refusals.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/section_import.h"

#include <gtest/gtest.h>

#include "../section/section_builder.h"
#include "geometry/contour_polygon.h"
#include "section/section_reader.h"

namespace korain::testing {
namespace {

using Points = std::vector<std::pair<Single, Single>>;

Section readBlock(const std::string& path, Integer block) {
  Section s;
  EXPECT_TRUE(readSection(path, block, s, Arrangements::ReadAsSections).found());
  return s;
}

Section handSection(Integer block) {
  return readBlock(KORAIN_TEST_DATA "/hand_sections.ko2", block);
}

Points pointsOf(const Bulkhead& b) {
  Points points;
  for (const Node& n : b.Nodes) points.emplace_back(n.Y, n.Z);
  return points;
}

// Each field the import sets, node by node: Abs, Inter, Ipan, Inod, ShCur, PCod, knu.
std::vector<std::vector<long>> codesOf(const Bulkhead& b) {
  std::vector<std::vector<long>> codes;
  for (const Node& n : b.Nodes)
    codes.push_back({n.Abs, n.Inter, n.Ipan, n.Inod, n.ShCur, n.PCod, n.knu});
  return codes;
}

Arrangement imported(const Section& section) {
  Arrangement a;
  const SectionImport result = importSection(section, a, {});
  EXPECT_TRUE(result.imported) << result.warning;
  return a;
}

// Worked out by hand from the section's panels and boundaries (see the file's comments).
TEST(SectionImport, ThreeTanksGiveThreeBulkheadsAsWorkedOutByHand) {
  const Section s = handSection(1);
  const Arrangement a = imported(s);
  EXPECT_EQ(a.Name, "Bulkhead from Three tanks Fr 100");
  EXPECT_EQ(a.SymFlag, 0);
  EXPECT_EQ((std::vector<Single>{a.ForeHopperBreadth, a.ForeHopperZTop, a.AftHopperBreadth,
                                 a.AftHopperZTop}),
            (std::vector<Single>{3, 4, 3, 4}));
  EXPECT_EQ(a.X, 0) << "X is the caller's";
  ASSERT_EQ(a.Bulkheads.count(), 3);
  for (int i = 1; i <= 3; ++i) {
    const Bulkhead& b = a.Bulkheads.at(i);
    EXPECT_EQ(b.Name, s.Compartments.at(i).Name);
    EXPECT_EQ(b.iMat, 2);
    EXPECT_EQ(b.stfHV, 1);
    for (const Compartment& c : b.Compartments) {
      EXPECT_EQ(c, static_cast<const Compartment&>(s.Compartments.at(i)));
    }
  }
  // Double bottom: from the bottom's end, taken as the side's first node that
  // stands on it (its knuckle flag and reference), up the side, along the tank
  // top cut at the girder, no panel down the centre line, then along the bottom
  // back to the start.
  const Bulkhead& tank = a.Bulkheads.at(1);
  EXPECT_EQ(pointsOf(tank), (Points{{12, 0}, {12, 3}, {8, 3}, {0, 3}, {0, 0}, {8, 0}, {12, 0}}));
  EXPECT_EQ(codesOf(tank).front(), (std::vector<long>{1, 0, 1, 3, 0, 0, -1}));
  // Hold: open, ending at the deck off the centre line, closed at y = 0.
  const Bulkhead& hold = a.Bulkheads.at(2);
  EXPECT_EQ(pointsOf(hold), (Points{{0, 3}, {8, 3}, {8, 10}, {0, 10}}));
  EXPECT_EQ(codesOf(hold), (std::vector<std::vector<long>>{{1, 0, 0, 0, 0, 0, 0},
                                                           {2, 0, 0, 0, 1, 0, 0},
                                                           {3, 0, 3, 1, 1, 0, 0},
                                                           {4, 0, 0, 0, 1, 0, 0}}));
  // Wing tank: starts on the deck where the bulkhead meets it (the deck's own
  // node), the same point twice once, and back to its start.
  const Bulkhead& wing = a.Bulkheads.at(3);
  EXPECT_EQ(pointsOf(wing), (Points{{8, 10}, {12, 10}, {12, 3}, {8, 3}, {8, 10}}));
  EXPECT_EQ(codesOf(wing).front(), (std::vector<long>{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(codesOf(wing).back(), (std::vector<long>{5, 0, 3, 1, 1, 0, 0}));
}

// Its one message, that strake 1 does not end on the panel, is cli_import_with_messages'.
TEST(SectionImport, CurveCodesBecomeThoseOfABulkheadContour) {
  const Arrangement a = imported(handSection(2));
  ASSERT_EQ(a.Bulkheads.count(), 1);
  const Bulkhead& tank = a.Bulkheads.at(1);
  EXPECT_EQ(pointsOf(tank), (Points{{0, 0}, {6, 0}, {8, 2}, {8, 6}, {0, 6}}));
  std::vector<long> curves;
  for (const Node& n : tank.Nodes) curves.push_back(n.ShCur);
  EXPECT_EQ(curves, (std::vector<long>{0, 1, 3, 1, 1})) << "4 becomes 3, 5 becomes 1";
  EXPECT_EQ(tank.Nodes.at(3).ShR, 2);
  EXPECT_EQ(tank.Nodes.at(4).PCod, 0) << "negative position codes become 0";
  EXPECT_EQ(tank.iMat, 1);
}

TEST(SectionImport, ASectionWithoutCompartmentsIsRefusedAndChangesNothing) {
  Arrangement a;
  a.Name = "Kept";
  a.Bulkheads.append().Name = "Kept too";
  const Arrangement before = a;
  const SectionImport result = importSection(handSection(3), a, {});
  EXPECT_FALSE(result.imported);
  EXPECT_EQ(result.warning, "Section Empty section Fr 10 has no compartment.\rImport failed");
  EXPECT_EQ(a, before);
}

// Every corner reaches the contour: the wing tanks, whose boundaries return to
// their start, come out closed without a node on the centre line.
TEST(SectionImport, ExampleMidshipSectionGivesOneClosedBulkheadPerCompartment) {
  const Arrangement a = imported(readBlock(KORAIN_EXAMPLES "/bulk_carrier.ko2", 3));
  const std::vector<Points> contours = {
      {{0, 1.8}, {5, 1.8}, {10, 1.8}, {16, 7.8}, {16, 12.6}, {10, 16.2}, {10, 18}, {0, 18}},
      {{0, 0}, {5, 0}, {10, 0}, {10, 1.8}, {5, 1.8}, {0, 1.8}, {0, 0}},
      {{10, 0}, {13.5, 0}, {16, 2.5}, {16, 7.8}, {10, 1.8}, {10, 0}},
      {{16, 12.6}, {16, 18}, {10, 18}, {10, 16.2}, {16, 12.6}}};
  ASSERT_EQ(a.Bulkheads.count(), 4);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(pointsOf(a.Bulkheads.at(i)), contours[std::size_t(i - 1)]) << i;
    EXPECT_TRUE(isClosedContour(a.Bulkheads.at(i).Nodes, a.SymFlag)) << i;
  }
}

// Where the closure test adds the node on the centre line, and where it does not.
TEST(SectionImport, OpenContoursAreClosedOnTheCentreLineOnce) {
  for (const Long symFlag : {0, 1}) {
    for (const double lastY : {10.0, 0.0}) {
      Section s = sectionOf(
          {panelThrough({straightNode(0, 0), straightNode(10, 0), straightNode(lastY, 5)})});
      s.SymFlag = symFlag;
      SectionCompartment& tank = s.Compartments.append();
      for (Integer k = 1; k <= 3; ++k) tank.NodeRefs.append({1, k});
      const Points contour = pointsOf(imported(s).Bulkheads.at(1));
      const Points expected =
          lastY > 0 ? Points{{0, 0}, {10, 0}, {10, 5}, {0, 5}} : Points{{0, 0}, {10, 0}, {0, 5}};
      EXPECT_EQ(contour, expected) << "symmetry flag " << symFlag;
    }
  }
}

}  // namespace
}  // namespace korain::testing
