// Strake bands and strakes: their limits kept inside the plane part, and the
// outline of each strake cut out of the contour polygon.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"
#include "messages/bulkhead_report.h"
#include "model/arrangement.h"

namespace korain {

enum class ClipCoordinate { Y, Z };

// The part of the closed polygon (its last point joined back to the first)
// whose y or z lies in [low, high]: for every edge, its first point when in
// the range, the points where it crosses the bounds, and its last point when
// in the range; a point within the tolerance of one already taken is left out.
void clipPolygon(const std::vector<PlanePoint>& polygon, ClipCoordinate coordinate, double low,
                 double high, std::vector<PlanePoint>& clipped);

// `defaultMaterial` is the material index a strake without one receives.
void computeStrakes(Bulkhead& bulkhead, const std::vector<PlanePoint>& polygon,
                    Integer defaultMaterial, BulkheadReport& report);

}  // namespace korain
