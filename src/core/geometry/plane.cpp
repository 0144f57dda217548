// The plane's predicates: distances, crossings and points on segments within a tolerance.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/plane.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace korain {
namespace {

double cross(PlanePoint a, PlanePoint b) { return a.y * b.z - a.z * b.y; }

PlanePoint minus(PlanePoint a, PlanePoint b) { return {a.y - b.y, a.z - b.z}; }

bool boxesMeet(PlanePoint a1, PlanePoint a2, PlanePoint b1, PlanePoint b2, double tolerance) {
  return std::max(a1.y, a2.y) + tolerance >= std::min(b1.y, b2.y) &&
         std::max(b1.y, b2.y) + tolerance >= std::min(a1.y, a2.y) &&
         std::max(a1.z, a2.z) + tolerance >= std::min(b1.z, b2.z) &&
         std::max(b1.z, b2.z) + tolerance >= std::min(a1.z, a2.z);
}

}  // namespace

// Coordinates are metres of a ship, far from where the squares could overflow,
// so the plain root serves (std::hypot guards against that at several times the cost).
double distance(PlanePoint a, PlanePoint b) {
  const double dy = b.y - a.y;
  const double dz = b.z - a.z;
  return std::sqrt(dy * dy + dz * dz);
}

bool isSamePoint(PlanePoint a, PlanePoint b, double tolerance) {
  const double dy = b.y - a.y;
  const double dz = b.z - a.z;
  // The box test settles most pairs without a multiplication.
  if (!(std::abs(dy) <= tolerance && std::abs(dz) <= tolerance)) return false;
  return dy * dy + dz * dz <= tolerance * tolerance;
}

bool isPointInSegment(PlanePoint a, PlanePoint b, PlanePoint point, double tolerance) {
  if (!boxesMeet(a, b, point, point, tolerance)) return false;
  const double dy = b.y - a.y;
  const double dz = b.z - a.z;
  const double lengthSquared = dy * dy + dz * dz;
  if (!(lengthSquared > 0)) return isSamePoint(a, point, tolerance);
  const double t =
      std::clamp(((point.y - a.y) * dy + (point.z - a.z) * dz) / lengthSquared, 0.0, 1.0);
  return isSamePoint({a.y + t * dy, a.z + t * dz}, point, tolerance);
}

bool isInRange(double x, double a, double b, double tolerance) {
  return std::min(a, b) - tolerance <= x && x <= std::max(a, b) + tolerance;
}

bool segmentIntersection(PlanePoint a1, PlanePoint a2, PlanePoint b1, PlanePoint b2, PlanePoint& at,
                         double tolerance) {
  if (!boxesMeet(a1, a2, b1, b2, tolerance)) return false;
  const double lengthA = distance(a1, a2);
  const double lengthB = distance(b1, b2);
  const PlanePoint r = minus(a2, a1);
  const PlanePoint s = minus(b2, b1);
  const double denominator = cross(r, s);
  // Parallel within rounding (or a segment of no length): the segments meet
  // only where an end of one lies on the other.
  if (std::abs(denominator) <= 1e-12 * std::max(1.0, lengthA * lengthB)) {
    for (const auto& [point, a, b] : {std::tuple{a1, b1, b2}, std::tuple{a2, b1, b2},
                                      std::tuple{b1, a1, a2}, std::tuple{b2, a1, a2}}) {
      if (isPointInSegment(a, b, point, tolerance)) {
        at = point;
        return true;
      }
    }
    return false;
  }
  const PlanePoint q = minus(b1, a1);
  const double t = cross(q, s) / denominator;
  const double u = cross(q, r) / denominator;
  const double slackA = lengthA > 0 ? tolerance / lengthA : 0;
  const double slackB = lengthB > 0 ? tolerance / lengthB : 0;
  if (!(t >= -slackA && t <= 1 + slackA && u >= -slackB && u <= 1 + slackB)) return false;
  at = {a1.y + t * r.y, a1.z + t * r.z};
  return true;
}

bool segmentCut(PlanePoint a, PlanePoint b, CutMode mode, PlanePoint& point, double tolerance) {
  const bool givenY = mode == CutMode::GivenY;
  const double from = givenY ? a.y : a.z;
  const double to = givenY ? b.y : b.z;
  const double given = givenY ? point.y : point.z;
  if (!(std::abs(to - from) >= tolerance) || !isInRange(given, from, to, tolerance)) return false;
  const double t = std::clamp((given - from) / (to - from), 0.0, 1.0);
  if (givenY) {
    point.z = a.z + t * (b.z - a.z);
  } else {
    point.y = a.y + t * (b.y - a.y);
  }
  return true;
}

double toTheMillimetre(double metres) { return std::round(metres * 1000) / 1000; }

double tanH(double x) { return std::tanh(x); }

}  // namespace korain
