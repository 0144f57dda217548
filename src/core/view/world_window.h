// The part of the world (metres, y to the right, z up) that a drawing shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

#include "geometry/plane.h"
#include "model/arrangement.h"
#include "section/section.h"
#include "ship/ship_data.h"

namespace korain {

struct WorldWindow {
  double left = 0;
  double bottom = 0;
  double width = 0;
  double height = 0;

  double right() const { return left + width; }
  double top() const { return bottom + height; }
  double centreY() const { return left + width / 2; }
  double centreZ() const { return bottom + height / 2; }
  bool isEmpty() const { return !(width > 0 && height > 0); }
};

// The box around the finite points added to it.
struct PlaneBounds {
  double yMin = std::numeric_limits<double>::infinity();
  double zMin = std::numeric_limits<double>::infinity();
  double yMax = -std::numeric_limits<double>::infinity();
  double zMax = -std::numeric_limits<double>::infinity();

  void add(PlanePoint p);
  bool isEmpty() const { return !(yMax >= yMin && zMax >= zMin); }
  // The box itself; an empty window when nothing was added.
  WorldWindow exact() const;
  // The box as a window, never of no size; the 10 m square when empty.
  WorldWindow window() const;
};

// The extent of everything the drawing shows: the hull section behind (the
// section's panels, or the frame of the ship's breadth and depth when there
// is no section), the bulkheads' contours and the centre line. Never empty:
// without anything to show it is a 10 m square.
WorldWindow fullExtent(const Arrangement& arrangement, const Section* section,
                       const ShipData& ship);

// The extent of one bulkhead's own contour (1-based), on which the report's
// picture of that bulkhead is framed: a tank's picture shows the tank, not
// the whole section. A bulkhead without a contour gives the 10 m square.
WorldWindow bulkheadExtent(const Arrangement& arrangement, int bulkhead);

// Whether the extent is a half-section: it starts at the centre line (its
// least y within 0.001 of it), nothing of it to port. A tank's own extent,
// off the centre line, is not.
bool isHalfSection(const WorldWindow& extent);

// The extent widened by `marginPercent` of its larger side, half on each side, then
// widened further along one axis so that it has the aspect ratio
// width / height of the surface; the centre stays, except that a half-section
// keeps a quarter of its margin left of the centre line, which so stands at
// the picture's edge, and takes the whole widening to starboard: no picture
// is spent on an empty port side.
WorldWindow frameWindow(const WorldWindow& extent, double marginPercent, double surfaceAspect);

// The window centred on (y, z) with its size divided by `factor`.
WorldWindow zoomAt(const WorldWindow& window, double y, double z, double factor);

// Whether a window shows less than the full extent in either direction.
bool isZoomed(const WorldWindow& visible, const WorldWindow& full);

}  // namespace korain
