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

std::vector<Polyline> sectionOutlines(const Section& section) {
  std::vector<Polyline> outlines;
  for (const SectionPanel& panel : section.Panels) outlines.push_back(nodePath(panel.Nodes));
  return outlines;
}

std::vector<Polyline> shipFrame(const Arrangement& arrangement, const ShipData& ship) {
  if (!(ship.B > 0 && ship.D > 0)) return {};
  const double half = ship.B / 2.0;
  const double depth = ship.D;
  const double port = reachesPort(arrangement) ? -half : 0.0;
  return {{{port, depth}, {port, 0}, {half, 0}, {half, depth}, {port, depth}}};
}

}  // namespace korain
