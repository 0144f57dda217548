// The contour of a bulkhead: closure, bounds, cuts of lines with it, positions
// along it, and the circular arcs it may contain.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/contour_polygon.h"
#include "geometry_test_support.h"

namespace korain::testing {
namespace {

using Points = std::vector<std::pair<double, double>>;

constexpr double kPi = std::numbers::pi;
const double kHalfRoot3 = std::sqrt(3.0) / 2;  // the circle of radius 1 at half height

void expectCuts(const Contour& contour, double position, CutDirection direction, int count,
                double first, double second) {
  const ContourCuts cuts = contour.cut(position, direction);
  SCOPED_TRACE(position);
  expectNear({double(cuts.count), cuts.first, cuts.second}, {double(count), first, second});
}

std::vector<double> arcOf(const Node& node) {
  return {node.ArcCentreY, node.ArcCentreZ, node.ArcStartAngle, node.ArcEndAngle};
}

// Whichever way the nodes run, the plate has the same bounds, cuts, strakes
// and centre.
TEST(ContourRectangle, DirectionOfTheNodesDoesNotMatter) {
  for (const bool anticlockwise : {true, false}) {
    SCOPED_TRACE(anticlockwise ? "anticlockwise" : "clockwise");
    Bulkhead b = rectangle(anticlockwise);
    StrakeBand& band = b.StrakeBands.append();
    band.Z = 8;
    band.Strakes.append().Y = 4;
    band.Strakes.append().Y = 10;
    EXPECT_TRUE(compute(b).empty());
    EXPECT_TRUE(b.EndsJoined && b.Closed);
    EXPECT_EQ((std::vector<Single>{b.YMin, b.YMax, b.ZMin, b.ZMax, b.ZLow, b.ZHigh}),
              (std::vector<Single>{0, 10, 0, 8, 0, 8}));  // no stools: ZLow, ZHigh are the bounds

    const Contour contour(b);
    expectCuts(contour, 3, CutDirection::Horizontal, 2, 0, 10);
    expectCuts(contour, 4, CutDirection::Vertical, 2, 0, 8);
    // A line along an edge still has the edge's ends as its cuts.
    expectCuts(contour, 0, CutDirection::Horizontal, 2, 0, 10);
    expectCuts(contour, 10, CutDirection::Vertical, 2, 0, 8);
    expectCuts(contour, 9, CutDirection::Horizontal, 0, 0, 0);
    expectCuts(contour, -1, CutDirection::Vertical, 0, 0, 0);

    EXPECT_EQ(pointSet(band.Strakes.at(1).Outline), (Points{{0, 0}, {0, 8}, {4, 0}, {4, 8}}));
    EXPECT_EQ(pointSet(band.Strakes.at(2).Outline), (Points{{4, 0}, {4, 8}, {10, 0}, {10, 8}}));
    for (const Compartment& c : b.Compartments) {
      expectNear({c.Table1.at(6), c.Table1.at(7), c.Table1.at(8), c.Table1.at(9)}, {5, 4, 0, 8});
    }
  }
}

TEST(ContourRectangle, LocateGivesAbscissaAndNodeBefore) {
  double abscissa = 0;
  int nodeBefore = 0;
  // Third side of the anticlockwise plate, (10, 8) to (0, 8): 10 + 8 + 6 along.
  const Contour anticlockwise(rectangle(true));
  ASSERT_TRUE(anticlockwise.locate({4, 8.0005}, kGeometryTolerance, abscissa, nodeBefore));
  expectNear({abscissa, double(nodeBefore)}, {24, 3});
  EXPECT_FALSE(anticlockwise.locate({5, 4}, kGeometryTolerance, abscissa, nodeBefore));
  EXPECT_FALSE(anticlockwise.locate({4, 8.01}, kGeometryTolerance, abscissa, nodeBefore));
  // Third side of the clockwise plate, (10, 8) down to (10, 0): 8 + 10 + 5 along.
  ASSERT_TRUE(Contour(rectangle(false)).locate({10, 3}, kGeometryTolerance, abscissa, nodeBefore));
  expectNear({abscissa, double(nodeBefore)}, {23, 3});
}

// The point at an abscissa is the point located there, on lines and arcs;
// abscissae beyond the ends give the ends.
TEST(ContourPath, PointAtAnAbscissaIsThePointLocatedThere) {
  Bulkhead quarter = bulkheadThrough({straightNode(0, 0), straightNode(2, 0), arcNode(4, 2, 2)});
  ASSERT_EQ(computeBHeadGeometry(quarter), 1);
  const Contour path(quarter.Nodes);
  double abscissa = 0;
  int nodeBefore = 0;
  const double r = std::sqrt(2.0);  // halfway round the quarter circle from (2, 0)
  ASSERT_TRUE(path.locate({2 + r, 2 - r}, kGeometryTolerance, abscissa, nodeBefore));
  EXPECT_NEAR(abscissa, 2 + kPi / 2, 1e-5);
  const PlanePoint on = path.pointAt(abscissa);
  const PlanePoint before = path.pointAt(-1);
  const PlanePoint after = path.pointAt(100);
  expectNear({on.y, on.z, path.pointAt(1).y, before.y, before.z, after.y, after.z},
             {2 + r, 2 - r, 1, 0, 0, 4, 2});
}

TEST(ContourCuts, ThroughAVertexCountsOnce) {
  const Contour triangle(bulkheadThrough(
      {straightNode(0, 0), straightNode(10, 0), straightNode(5, 8), straightNode(0, 0)}));
  expectCuts(triangle, 8, CutDirection::Horizontal, 1, 5, 5);
  expectCuts(triangle, 4, CutDirection::Horizontal, 2, 2.5, 7.5);
}

// A half section entered from the centre line out and back: the closing piece
// along the centre line is implied.
TEST(ContourHalfSection, ClosedOnTheCentreLineOnlyWhenTheSectionIsWhole) {
  const Bulkhead half = bulkheadThrough(
      {straightNode(0, 0), straightNode(6, 0), straightNode(3, 9), straightNode(0, 9)});
  Bulkhead whole = half;
  EXPECT_TRUE(compute(whole, 0).empty());
  EXPECT_TRUE(whole.Closed);
  EXPECT_FALSE(whole.EndsJoined);
  expectCuts(Contour(whole), 3, CutDirection::Horizontal, 2, 0, 5);  // back along the centre line
  // The trapezoid's own centroid is at y 7/3, but the compartment spans both
  // sides: y is 0, and z is (27 * 4.5 + 13.5 * 3) / 40.5 = 4.
  for (const Compartment& c : whole.Compartments) {
    expectNear({c.Table1.at(6), c.Table1.at(7), c.Table1.at(8), c.Table1.at(9)}, {0, 4, 0, 9});
  }

  Bulkhead symmetric = half;
  EXPECT_EQ(compute(symmetric, 1), std::vector<std::string>{"Bulkhead 1 is not closed"});
  EXPECT_FALSE(symmetric.Closed || symmetric.EndsJoined);
}

TEST(ContourArc, ArcThroughTwoNodesIsExact) {
  // Quarter disc of radius 1 about the origin, its arc run anticlockwise.
  Bulkhead disc = bulkheadThrough(
      {straightNode(0, 0), straightNode(1, 0), arcNode(0, 1, 1), straightNode(0, 0)});
  EXPECT_TRUE(compute(disc).empty());
  ASSERT_TRUE(disc.Nodes.at(3).ArcValid);
  expectNear(arcOf(disc.Nodes.at(3)), {0, 0, 0, kPi / 2});
  expectNear({disc.YMax, disc.ZMax}, {1, 1});
  // On the circle itself, not on a chord of the drawn polygon (about 0.860).
  expectCuts(Contour(disc), 0.5, CutDirection::Horizontal, 2, 0, kHalfRoot3);
  expectCuts(Contour(disc), 0.5, CutDirection::Vertical, 2, 0, kHalfRoot3);

  // A negative radius runs clockwise about (1, 1): the arc bulges inwards.
  Bulkhead hollow = bulkheadThrough(
      {straightNode(0, 0), straightNode(1, 0), arcNode(0, 1, -1), straightNode(0, 0)});
  EXPECT_TRUE(compute(hollow).empty());
  expectNear({hollow.Nodes.at(3).ArcCentreY, hollow.Nodes.at(3).ArcCentreZ}, {1, 1});
  expectCuts(Contour(hollow), 0.5, CutDirection::Horizontal, 2, 0, 1 - kHalfRoot3);
}

TEST(ContourArc, RoundedCornerIsTangentToBothLegs) {
  // The square 0..4 with its corner (4, 0) rounded with radius 1.
  Bulkhead square = bulkheadThrough({straightNode(0, 0), roundedCornerNode(4, 4, 4, 0, 1),
                                     straightNode(0, 4), straightNode(0, 0)});
  EXPECT_TRUE(compute(square).empty());
  ASSERT_TRUE(square.Nodes.at(2).ArcValid);
  // Centre (3, 1), from the tangent point (3, 0) to the tangent point (4, 1).
  expectNear(arcOf(square.Nodes.at(2)), {3, 1, -kPi / 2, 0});
  // The drawn polygon: (0, 0), the arc every 0.2 rad from (3, 0) (8 points,
  // the quarter turn being 1.57 rad) and its end (4, 1), then (4, 4), (0, 4), (0, 0).
  const std::vector<PlanePoint> polygon = contourPolygon(square);
  ASSERT_EQ(polygon.size(), 13U);
  expectNear({polygon[1].y, polygon[1].z, polygon[9].y, polygon[9].z, polygon[10].y},
             {3, 0, 4, 1, 4});
  EXPECT_NEAR(square.YMax, 4, 1e-6);
  const Contour contour(square);
  expectCuts(contour, 0.5, CutDirection::Horizontal, 2, 0, 3 + kHalfRoot3);
  // The legs stop at the tangent points; the corner itself is cut away.
  expectCuts(contour, 0, CutDirection::Horizontal, 2, 0, 3);
  expectCuts(contour, 4, CutDirection::Vertical, 2, 1, 4);
}

// Data that describe no arc: reported, and the segment taken straight from the
// previous node to the node, so that the rest of the bulkhead can still be used.
TEST(ContourArc, ImpossibleArcsAreReportedAndTakenStraight) {
  auto quarter = [](double radius) {
    return bulkheadThrough(
        {straightNode(0, 0), straightNode(1, 0), arcNode(0, 1, radius), straightNode(0, 0)});
  };
  auto rounded = [](double radius) {
    return bulkheadThrough({straightNode(0, 0), roundedCornerNode(4, 4, 4, 0, radius),
                            straightNode(0, 4), straightNode(0, 0)});
  };
  auto roundedAt = [](double cornerY, double cornerZ) {
    return bulkheadThrough({straightNode(0, 0), roundedCornerNode(4, 4, cornerY, cornerZ, 1),
                            straightNode(0, 4), straightNode(0, 0)});
  };
  struct Case {
    const char* what;
    Bulkhead bulkhead;
    int arcNode;
    std::string fault;  // what the node's own message says
  };
  Case cases[] = {
      {"radius 0", quarter(0), 3, "Node 3 of 'BH': radius 0 m is too small for an arc"},
      {"nodes farther apart (1.414) than the diameter (1.4)", quarter(0.7), 3,
       "Node 3 of 'BH': radius 0.7 m is smaller than half its chord 0.707 m"},
      {"rounding longer (5) than the legs (4)", rounded(5), 2,
       "Node 2 of 'BH': radius 5 m needs 5 m on each side of the corner, more than the 4 m and "
       "4 m there are"},
      {"clockwise radius on an anticlockwise turn", rounded(-1), 2,
       "Node 2 of 'BH': radius -1 m turns against the corner at its tangent point"},
      {"tangent point on the previous node", roundedAt(0, 0), 2,
       "Node 2 of 'BH': its tangent point lies on the node before it"},
      {"tangent point on the node", roundedAt(4, 4), 2,
       "Node 2 of 'BH': its tangent point lies on the node itself"},
      {"tangent point on the chord", roundedAt(2, 2), 2,
       "Node 2 of 'BH': its tangent point makes no corner to round"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(compute(c.bulkhead),
              (std::vector<std::string>{"Can not compute geometry for bulkhead 1", c.fault}));
    EXPECT_FALSE(c.bulkhead.Nodes.at(c.arcNode).ArcValid);
    // Both chords run along y = z at this height.
    expectCuts(Contour(c.bulkhead), 0.5, CutDirection::Horizontal, 2, 0, 0.5);
  }
}

}  // namespace
}  // namespace korain::testing
