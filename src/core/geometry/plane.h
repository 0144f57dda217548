// Predicates of the plane (y to the right, z up, metres) that the bulkhead
// geometry, the picking and the drawing share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korain {

// Every length and point comparison of the bulkhead geometry uses this tolerance.
inline constexpr double kGeometryTolerance = 0.001;

struct PlanePoint {
  double y = 0;
  double z = 0;
};

double distance(PlanePoint a, PlanePoint b);

// The two points are no farther apart than the tolerance.
bool isSamePoint(PlanePoint a, PlanePoint b, double tolerance);

// The point lies within the tolerance of the segment from a to b.
bool isPointInSegment(PlanePoint a, PlanePoint b, PlanePoint point, double tolerance);

// x lies in [a, b] widened by the tolerance, whichever of a and b is the larger.
bool isInRange(double x, double a, double b, double tolerance);

// Whether the segments a1-a2 and b1-b2 meet (each may be stretched by the
// tolerance at its ends); the meeting point goes to `at`. Overlapping parallel
// segments meet at the first end point that lies on the other segment.
bool segmentIntersection(PlanePoint a1, PlanePoint a2, PlanePoint b1, PlanePoint b2, PlanePoint& at,
                         double tolerance);

// Which coordinate a cut gives: the line z = given (mode 2) or y = given (mode 1).
enum class CutMode { GivenY = 1, GivenZ = 2 };

// The point of the segment where its y (GivenY) or z (GivenZ) equals the value
// already in `point`; the other coordinate is filled in. False when the segment
// does not reach that value or runs along it.
bool segmentCut(PlanePoint a, PlanePoint b, CutMode mode, PlanePoint& point, double tolerance);

double tanH(double x);

// A length worked out from the data (a chord, a span), rounded to the
// millimetre for a message: no more digits than the data were entered with.
double toTheMillimetre(double metres);

}  // namespace korain
