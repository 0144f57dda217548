// The contour with its arcs in fine chords, for the weights and the attached plating.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/fine_contour.h"

#include "geometry/contour_path.h"

namespace korain {

std::vector<PlanePoint> fineContour(const Bulkhead& bulkhead) {
  return flattenPath(contourPath(bulkhead.Nodes), kFineArcDeviation);
}

}  // namespace korain
