// Arcs of the contour path flattened for a device: no chord strays farther
// from its arc than asked, and the ends stay the path's own points.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/contour_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace korain::testing {
namespace {

// A half circle of radius 2 from (0, 0) to (4, 0), anticlockwise: below the chord.
const ContourPath kHalfCircle = {{{0, 0}, 1.0}, {{4, 0}, 0}};

// The deepest a chord of a half circle of radius 2 cut into n equal chords lies
// inside the circle.
double chordDepth(std::size_t chords) {
  return 2 * (1 - std::cos(std::numbers::pi / (2 * static_cast<double>(chords))));
}

TEST(FlattenPath, ChordsStayWithinTheDeviationAndNoMore) {
  for (const double deviation : {0.5, 0.01, 0.0001}) {
    const std::vector<PlanePoint> points = flattenPath(kHalfCircle, deviation);
    ASSERT_GE(points.size(), 3U) << deviation;
    EXPECT_DOUBLE_EQ(points.front().y, 0);
    EXPECT_DOUBLE_EQ(points.back().y, 4);
    for (std::size_t i = 1; i < points.size(); ++i) {
      const PlanePoint a = points[i - 1];
      const PlanePoint b = points[i];
      // Every point on the circle round (2, 0), below the chord; each chord's
      // middle no deeper inside the circle than the deviation.
      EXPECT_NEAR(std::hypot(b.y - 2, b.z), 2, 1e-9) << i;
      EXPECT_LE(b.z, 1e-9) << i;
      const double middle = std::hypot((a.y + b.y) / 2 - 2, (a.z + b.z) / 2);
      EXPECT_LE(2 - middle, deviation + 1e-12) << deviation << " chord " << i;
    }
    // One chord fewer would stray too far: no chord is wasted.
    EXPECT_GT(chordDepth(points.size() - 2), deviation) << deviation;
  }
}

TEST(FlattenPath, StraightPiecesAndNoDeviationKeepThePoints) {
  const ContourPath square = {{{0, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0}};
  EXPECT_EQ(flattenPath(square, 0.001).size(), 3U);
  EXPECT_EQ(flattenPath(kHalfCircle, 0).size(), 2U);
}

}  // namespace
}  // namespace korain::testing
