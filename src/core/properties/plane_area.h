// The area and centroid of a polygon of the plane, for the weights.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"

namespace korain {

struct AreaAndCentroid {
  double area = 0;  // m², whatever the polygon's turn
  PlanePoint centroid;
};

// The polygon is closed by joining its last point back to the first.
AreaAndCentroid areaAndCentroid(const std::vector<PlanePoint>& polygon);

// The part of the closed polygon inside the rectangle; its area and centroid
// are exact for any polygon, though a concave one may come back with edges
// that run along the rectangle's sides and enclose nothing.
std::vector<PlanePoint> clippedToBox(const std::vector<PlanePoint>& polygon, PlanePoint low,
                                     PlanePoint high);

}  // namespace korain
