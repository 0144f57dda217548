// The plane predicates the geometry, the picking and the drawing share, all at
// the 1 mm tolerance.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/plane.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

constexpr double kTol = kGeometryTolerance;

TEST(PlanePredicates, SamePointAndPointInSegment) {
  EXPECT_TRUE(isSamePoint({1, 1}, {1.0006, 1.0006}, kTol));  // 0.85 mm apart
  EXPECT_FALSE(isSamePoint({1, 1}, {1.001, 1.001}, kTol));   // 1.4 mm apart
  struct Case {
    PlanePoint a, b, point;
    bool expected;
  };
  const Case cases[] = {
      {{0, 0}, {4, 0}, {2, 0.0005}, true}, {{0, 0}, {4, 0}, {2, 0.002}, false},
      {{0, 0}, {4, 0}, {4.0005, 0}, true}, {{0, 0}, {4, 0}, {4.01, 0}, false},  // past the end
      {{0, 0}, {4, 0}, {-0.01, 0}, false}, {{0, 0}, {3, 4}, {1.5, 2}, true},
      {{1, 1}, {1, 1}, {1, 1.0005}, true}, {{1, 1}, {1, 1}, {1, 1.01}, false},  // no length
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isPointInSegment(c.a, c.b, c.point, kTol), c.expected)
        << c.point.y << "," << c.point.z;
  }
}

TEST(PlanePredicates, SegmentIntersection) {
  PlanePoint at;
  ASSERT_TRUE(segmentIntersection({0, 0}, {2, 2}, {0, 2}, {2, 0}, at, kTol));
  EXPECT_NEAR(at.y, 1, 1e-12);
  EXPECT_NEAR(at.z, 1, 1e-12);
  // A member that stops half a millimetre short of a crossing line still meets it.
  ASSERT_TRUE(segmentIntersection({0, 0}, {1, 0}, {1.0005, -1}, {1.0005, 1}, at, kTol));
  EXPECT_NEAR(at.y, 1.0005, 1e-9);
  EXPECT_NEAR(at.z, 0, 1e-9);
  EXPECT_FALSE(segmentIntersection({0, 0}, {1, 0}, {1.01, -1}, {1.01, 1}, at, kTol));
  // Collinear and overlapping: they meet at a point of both.
  ASSERT_TRUE(segmentIntersection({0, 0}, {2, 0}, {1, 0}, {3, 0}, at, kTol));
  EXPECT_NEAR(at.z, 0, 1e-12);
  EXPECT_TRUE(at.y >= 1 - kTol && at.y <= 2 + kTol) << at.y;
  EXPECT_FALSE(segmentIntersection({0, 0}, {2, 0}, {0, 1}, {2, 1}, at, kTol));  // parallel
  EXPECT_FALSE(segmentIntersection({0, 0}, {1, 0}, {2, 0}, {3, 0}, at, kTol));  // collinear, apart
  EXPECT_FALSE(
      segmentIntersection({0, 0}, {1, 1}, {3, 0}, {2, 1}, at, kTol));  // lines meet outside
}

TEST(PlanePredicates, SegmentCutGivesTheOtherCoordinate) {
  PlanePoint point{0, 2};
  ASSERT_TRUE(segmentCut({0, 0}, {4, 8}, CutMode::GivenZ, point, kTol));
  EXPECT_NEAR(point.y, 1, 1e-12);
  EXPECT_EQ(point.z, 2);
  for (const bool reversed : {false, true}) {
    point = {3, 0};
    ASSERT_TRUE(reversed ? segmentCut({4, 8}, {0, 0}, CutMode::GivenY, point, kTol)
                         : segmentCut({0, 0}, {4, 8}, CutMode::GivenY, point, kTol));
    EXPECT_NEAR(point.z, 6, 1e-12);
    EXPECT_EQ(point.y, 3);
  }
  point = {0, 9};
  EXPECT_FALSE(segmentCut({0, 0}, {4, 8}, CutMode::GivenZ, point, kTol));  // beyond the end
  // A segment running along the cut line has no single point on it.
  for (const double z : {2.0, 3.0}) {
    point = {0, z};
    EXPECT_FALSE(segmentCut({0, 2}, {4, 2}, CutMode::GivenZ, point, kTol)) << z;
  }
}

}  // namespace
}  // namespace korain
