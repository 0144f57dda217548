// The contour as a path of straight pieces and true circular arcs, for the
// exports that keep arcs (DXF) and for drawing arcs as fine as the device needs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"

namespace korain {

// A point of the path; `bulge` shapes the piece from this point to the next:
// 0 straight, else the tangent of a quarter of the arc's sweep, positive
// anticlockwise (the bulge of a CAD polyline).
struct PathVertex {
  PlanePoint point;
  double bulge = 0;
};
using ContourPath = std::vector<PathVertex>;

// The nodes in order, each valid arc as one bulged piece (a tangent arc with
// its straight pieces before and after); every node keeps its exact y, z. A
// point within the tolerance of the previous one is left out.
ContourPath contourPath(const List<Node>& nodes);

// The path as points, each arc in as many chords as keep them within
// `maxDeviation` of it (at most 4096 a piece).
std::vector<PlanePoint> flattenPath(const ContourPath& path, double maxDeviation);

}  // namespace korain
