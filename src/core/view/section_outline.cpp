// The outlines of the hull section behind the bulkheads, or of the ship's frame without one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/section_outline.h"

#include "geometry/contour_arc.h"
#include "geometry/contour_polygon.h"

namespace korain {
namespace {

bool reachesPort(const Arrangement& arrangement) {
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) {
    for (const Node& node : bulkhead.Nodes) {
      if (node.Y < -kGeometryTolerance) return true;
    }
  }
  return false;
}

}  // namespace

Polyline nodePath(const List<Node>& nodes) {
  Bulkhead path;
  path.Nodes = nodes;
  computeBHeadGeometry(path);
  return contourPolygon(path);
}

std::vector<ContourPath> sectionOutlines(const Section& section) {
  std::vector<ContourPath> outlines;
  for (const SectionPanel& panel : section.Panels) {
    Bulkhead path;
    path.Nodes = panel.Nodes;
    computeBHeadGeometry(path);
    outlines.push_back(contourPath(path.Nodes));
  }
  return outlines;
}

std::vector<ContourPath> shipFrame(const Arrangement& arrangement, const ShipData& ship) {
  if (!(ship.B > 0 && ship.D > 0)) return {};
  const double half = ship.B / 2.0;
  const double depth = ship.D;
  const double port = reachesPort(arrangement) ? -half : 0.0;
  ContourPath frame;
  for (const PlanePoint corner :
       {PlanePoint{port, depth}, {port, 0}, {half, 0}, {half, depth}, {port, depth}}) {
    frame.push_back({corner, 0});
  }
  return {frame};
}

std::vector<ContourPath> hullOutlines(const Arrangement& arrangement, const Section* section,
                                      const ShipData& ship) {
  return section != nullptr ? sectionOutlines(*section) : shipFrame(arrangement, ship);
}

}  // namespace korain
