// The hull section drawn behind the bulkheads: the polylines of its panels,
// or a frame of the ship's half breadth and depth when there is no section.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/contour_path.h"
#include "geometry/plane.h"
#include "model/arrangement.h"
#include "section/section.h"
#include "ship/ship_data.h"

namespace korain {

using Polyline = std::vector<PlanePoint>;

// The polyline through a chain of contour nodes, arcs included, whether or
// not their arcs have been computed yet.
Polyline nodePath(const List<Node>& nodes);

// Each panel through its nodes, its arcs kept as arcs (as the bulkhead contours are).
std::vector<ContourPath> sectionOutlines(const Section& section);

// The frame of the ship's main dimensions: base line, side at B/2, deck at D,
// and the other side when a bulkhead reaches to port (y below 0). Nothing
// when the breadth or the depth is not given.
std::vector<ContourPath> shipFrame(const Arrangement& arrangement, const ShipData& ship);

// What stands behind the bulkheads: the section's panels, or without a
// section the ship's frame.
std::vector<ContourPath> hullOutlines(const Arrangement& arrangement, const Section* section,
                                      const ShipData& ship);

}  // namespace korain
