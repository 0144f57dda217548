// Objects entered where no structure of their bulkhead can be: a stiffener or
// a corrugation knuckle beyond the contour, a node farther from the ship's
// axes than any ship reaches, brackets that take up a whole span. Like the
// implausible values they are kept as typed and named, so that a slip of the
// keyboard (a position in millimetres, a wizard row run past the side) does
// not pass as a drawing that merely looks odd.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

// How far from the centre line and the base line a coordinate can lie on any
// ship, in metres.
inline constexpr double kShipReach = 500;

// The bounds a line of direction `direction` (0 horizontal, 1 vertical) must
// lie within to belong to the bulkhead's plane part, as the geometry keeps its
// members there: the plane part's z range for a horizontal line, the contour's
// y range for a vertical one.
struct LineBounds {
  double low = 0;
  double high = 0;
};
LineBounds planePartBounds(const Bulkhead& bulkhead, Long direction);
// The contour's own range in the line's coordinate (an ordinary stiffener may
// stand on a stool).
LineBounds contourBounds(const Bulkhead& bulkhead, Long direction);

// Whether the bounds were computed from a contour (a bulkhead without nodes has none).
bool hasBounds(const LineBounds& bounds);

// Reports, as warnings, every misplaced object of a computed bulkhead.
void reportMisplacedObjects(const Bulkhead& bulkhead, BulkheadReport& report);

}  // namespace korain
