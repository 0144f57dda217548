// The contour as a polygon, its closure and its bounds.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"

namespace korain {

// The nodes in order, each valid arc preceded by points on it every 0.2 rad
// from its first angle, and its last point; a point within the tolerance of
// the previous one is left out.
std::vector<PlanePoint> contourPolygon(const Bulkhead& bulkhead);

// EndsJoined: the first and the last node coincide. Closed: the ends are
// joined, or, in a section given whole (symmetry flag 0), both ends lie on the
// centre line. Both false without nodes.
void computeClosure(Bulkhead& bulkhead, Long symFlag);
bool endsJoined(const List<Node>& nodes);
bool isClosedContour(const List<Node>& nodes, Long symFlag);

// YMin..ZMax from the polygon (9999 and -9999 when it has no point), then
// ZLow and ZHigh from the stools.
void computeBounds(Bulkhead& bulkhead, const std::vector<PlanePoint>& polygon);

}  // namespace korain
