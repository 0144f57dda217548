// The contour of a bulkhead: closure, bounds, cuts of lines with it, positions
// along it, and the circular arcs it may contain.
#include "geometry/contour.h"

#include <gtest/gtest.h>

#include <numbers>

#include "geometry/compute_geometry.h"
#include "geometry/contour_arc.h"
#include "geometry_test_support.h"

namespace korain {
namespace {

using testing::arcNode;
using testing::bulkheadThrough;
using testing::compute;
using testing::pointSet;
using testing::rectangle;
using testing::roundedCornerNode;
using testing::straightNode;

constexpr double kPi = std::numbers::pi;
const double kHalfRoot3 = std::sqrt(3.0) / 2;  // the circle of radius 1 at half height

void expectCuts(const Contour& contour, double position, CutDirection direction, int count,
                double first, double second) {
  const ContourCuts cuts = contour.cut(position, direction);
  EXPECT_EQ(cuts.count, count) << "at " << position;
  EXPECT_NEAR(cuts.first, first, 1e-5) << "at " << position;
  EXPECT_NEAR(cuts.second, second, 1e-5) << "at " << position;
}

TEST(ContourRectangle, BoundsFlagsAndCuts) {
  for (const bool anticlockwise : {true, false}) {
    SCOPED_TRACE(anticlockwise ? "anticlockwise" : "clockwise");
    Bulkhead bulkhead = rectangle(anticlockwise);
    EXPECT_TRUE(compute(bulkhead).empty());
    EXPECT_TRUE(bulkhead.EndsJoined);
    EXPECT_TRUE(bulkhead.Closed);
    EXPECT_EQ(bulkhead.YMin, 0);
    EXPECT_EQ(bulkhead.YMax, 10);
    EXPECT_EQ(bulkhead.ZMin, 0);
    EXPECT_EQ(bulkhead.ZMax, 8);
    EXPECT_EQ(bulkhead.ZLow, 0);  // no stools: the plane part is the whole height
    EXPECT_EQ(bulkhead.ZHigh, 8);

    const Contour contour(bulkhead);
    expectCuts(contour, 3, CutDirection::Horizontal, 2, 0, 10);
    expectCuts(contour, 4, CutDirection::Vertical, 2, 0, 8);
    // A line running along an edge still has that edge's ends as its cuts.
    expectCuts(contour, 0, CutDirection::Horizontal, 2, 0, 10);
    expectCuts(contour, 10, CutDirection::Vertical, 2, 0, 8);
    expectCuts(contour, 9, CutDirection::Horizontal, 0, 0, 0);
    expectCuts(contour, -1, CutDirection::Vertical, 0, 0, 0);

    // The centre of the plate, whichever way its nodes run.
    for (const Compartment& compartment : bulkhead.Compartments) {
      EXPECT_NEAR(compartment.Table1.at(6), 5, 1e-5);
      EXPECT_NEAR(compartment.Table1.at(7), 4, 1e-5);
      EXPECT_EQ(compartment.Table1.at(8), 0);
      EXPECT_EQ(compartment.Table1.at(9), 8);
    }
  }
}

TEST(ContourRectangle, LocateGivesAbscissaAndNodeBefore) {
  double abscissa = 0;
  int nodeBefore = 0;
  // Third side of the anticlockwise plate, from (10, 8) to (0, 8): 10 + 8 + 6 along.
  const Contour anticlockwise(rectangle(true));
  ASSERT_TRUE(anticlockwise.locate({4, 8.0005}, kGeometryTolerance, abscissa, nodeBefore));
  EXPECT_NEAR(abscissa, 24, 1e-3);
  EXPECT_EQ(nodeBefore, 3);
  EXPECT_FALSE(anticlockwise.locate({5, 4}, kGeometryTolerance, abscissa, nodeBefore));
  EXPECT_FALSE(anticlockwise.locate({4, 8.01}, kGeometryTolerance, abscissa, nodeBefore));

  // Third side of the clockwise plate, from (10, 8) down to (10, 0): 8 + 10 + 5 along.
  const Contour clockwise(rectangle(false));
  ASSERT_TRUE(clockwise.locate({10, 3}, kGeometryTolerance, abscissa, nodeBefore));
  EXPECT_NEAR(abscissa, 23, 1e-6);
  EXPECT_EQ(nodeBefore, 3);
}

TEST(ContourRectangle, StrakeOutlinesDoNotDependOnTheDirection) {
  const std::vector<std::pair<double, double>> expected[] = {
      {{0, 0}, {0, 8}, {4, 0}, {4, 8}},
      {{4, 0}, {4, 8}, {10, 0}, {10, 8}},
  };
  for (const bool anticlockwise : {true, false}) {
    Bulkhead bulkhead = rectangle(anticlockwise);
    StrakeBand& band = bulkhead.StrakeBands.append();
    band.Strakes.append().Y = 4;
    band.Strakes.append();
    EXPECT_TRUE(compute(bulkhead).empty());
    for (int t = 1; t <= 2; ++t) {
      EXPECT_EQ(pointSet(band.Strakes.at(t).Outline), expected[t - 1])
          << (anticlockwise ? "anticlockwise" : "clockwise") << ", strake " << t;
    }
  }
}

TEST(ContourCuts, ThroughAVertexCountsOnce) {
  const Contour triangle(bulkheadThrough(
      {straightNode(0, 0), straightNode(10, 0), straightNode(5, 8), straightNode(0, 0)}));
  expectCuts(triangle, 8, CutDirection::Horizontal, 1, 5, 5);
  expectCuts(triangle, 4, CutDirection::Horizontal, 2, 2.5, 7.5);
}

// A half section given from the centre line out and back: the closing piece
// along the centre line is implied, not entered.
TEST(ContourHalfSection, ClosedOnTheCentreLineOnlyWhenTheSectionIsWhole) {
  const Bulkhead half = bulkheadThrough(
      {straightNode(0, 0), straightNode(6, 0), straightNode(3, 9), straightNode(0, 9)});

  Bulkhead whole = half;
  EXPECT_TRUE(compute(whole, 0).empty());
  EXPECT_TRUE(whole.Closed);
  EXPECT_FALSE(whole.EndsJoined);
  // The cut runs back along the centre line.
  expectCuts(Contour(whole), 3, CutDirection::Horizontal, 2, 0, 5);
  // The trapezoid's centroid is at y 7/3, but the compartment spans both
  // sides of the centre line: y is 0; z is (27 * 4.5 + 13.5 * 3) / 40.5 = 4.
  for (const Compartment& compartment : whole.Compartments) {
    EXPECT_EQ(compartment.Table1.at(6), 0);
    EXPECT_NEAR(compartment.Table1.at(7), 4, 1e-5);
    EXPECT_EQ(compartment.Table1.at(8), 0);
    EXPECT_EQ(compartment.Table1.at(9), 9);
  }

  Bulkhead symmetric = half;
  EXPECT_EQ(compute(symmetric, 1), std::vector<std::string>{"Bulkhead 1 is not closed"});
  EXPECT_FALSE(symmetric.Closed);
  EXPECT_FALSE(symmetric.EndsJoined);
}

TEST(ContourArc, ArcThroughTwoNodesIsExact) {
  // Quarter disc of radius 1 about the origin, the arc run anticlockwise.
  Bulkhead disc = bulkheadThrough(
      {straightNode(0, 0), straightNode(1, 0), arcNode(0, 1, 1), straightNode(0, 0)});
  EXPECT_TRUE(compute(disc).empty());
  const Node& arc = disc.Nodes.at(3);
  ASSERT_TRUE(arc.ArcValid);
  EXPECT_NEAR(arc.ArcCentreY, 0, 1e-6);
  EXPECT_NEAR(arc.ArcCentreZ, 0, 1e-6);
  EXPECT_NEAR(arc.ArcStartAngle, 0, 1e-6);
  EXPECT_NEAR(arc.ArcEndAngle, kPi / 2, 1e-6);
  EXPECT_NEAR(disc.YMax, 1, 1e-6);
  EXPECT_NEAR(disc.ZMax, 1, 1e-6);
  // On the circle itself, not on a chord of the drawn polygon (which gives about 0.860).
  expectCuts(Contour(disc), 0.5, CutDirection::Horizontal, 2, 0, kHalfRoot3);
  expectCuts(Contour(disc), 0.5, CutDirection::Vertical, 2, 0, kHalfRoot3);

  // The same nodes with a negative radius: clockwise about (1, 1), bulging inwards.
  Bulkhead hollow = bulkheadThrough(
      {straightNode(0, 0), straightNode(1, 0), arcNode(0, 1, -1), straightNode(0, 0)});
  EXPECT_TRUE(compute(hollow).empty());
  EXPECT_NEAR(hollow.Nodes.at(3).ArcCentreY, 1, 1e-6);
  EXPECT_NEAR(hollow.Nodes.at(3).ArcCentreZ, 1, 1e-6);
  expectCuts(Contour(hollow), 0.5, CutDirection::Horizontal, 2, 0, 1 - kHalfRoot3);
}

TEST(ContourArc, RoundedCornerIsTangentToBothLegs) {
  // The square 0..4 with its corner (4, 0) rounded with radius 1.
  Bulkhead square = bulkheadThrough({straightNode(0, 0), roundedCornerNode(4, 4, 4, 0, 1),
                                     straightNode(0, 4), straightNode(0, 0)});
  EXPECT_TRUE(compute(square).empty());
  const Node& corner = square.Nodes.at(2);
  ASSERT_TRUE(corner.ArcValid);
  EXPECT_NEAR(corner.ArcCentreY, 3, 1e-6);
  EXPECT_NEAR(corner.ArcCentreZ, 1, 1e-6);
  EXPECT_NEAR(corner.ArcStartAngle, -kPi / 2, 1e-6);  // tangent at (3, 0)
  EXPECT_NEAR(corner.ArcEndAngle, 0, 1e-6);           // tangent at (4, 1)
  EXPECT_NEAR(square.YMax, 4, 1e-6);
  EXPECT_NEAR(square.ZMin, 0, 1e-6);

  const Contour contour(square);
  expectCuts(contour, 0.5, CutDirection::Horizontal, 2, 0, 3 + kHalfRoot3);
  // The bottom leg stops at the tangent point; the corner itself is cut away.
  expectCuts(contour, 0, CutDirection::Horizontal, 2, 0, 3);
  expectCuts(contour, 4, CutDirection::Vertical, 2, 1, 4);
}

// Data that describe no arc: reported, and the segment drawn straight from the
// previous node to the node, so that the rest of the bulkhead can still be used.
TEST(ContourArc, ImpossibleArcsAreReportedAndTakenStraight) {
  struct Case {
    const char* what;
    Bulkhead bulkhead;
    int arcNode;
  };
  const Node quarterFrom[] = {straightNode(0, 0), straightNode(1, 0)};
  auto quarter = [&](double radius) {
    return bulkheadThrough(
        {quarterFrom[0], quarterFrom[1], arcNode(0, 1, radius), straightNode(0, 0)});
  };
  auto rounded = [](double radius) {
    return bulkheadThrough({straightNode(0, 0), roundedCornerNode(4, 4, 4, 0, radius),
                            straightNode(0, 4), straightNode(0, 0)});
  };
  Case cases[] = {
      {"radius 0", quarter(0), 3},
      {"nodes farther apart (1.414) than the diameter (1.4)", quarter(0.7), 3},
      {"rounding longer (5) than the legs (4)", rounded(5), 2},
      {"clockwise radius on an anticlockwise turn", rounded(-1), 2},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(compute(c.bulkhead),
              std::vector<std::string>{"Can not compute geometry for bulkhead 1"});
    EXPECT_EQ(computeBHeadGeometry(c.bulkhead), 0);
    EXPECT_FALSE(c.bulkhead.Nodes.at(c.arcNode).ArcValid);
    // Both chords run along y = z at this height.
    expectCuts(Contour(c.bulkhead), 0.5, CutDirection::Horizontal, 2, 0, 0.5);
  }
}

}  // namespace
}  // namespace korain
