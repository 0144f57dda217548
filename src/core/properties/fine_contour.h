// The contour as the weights and the attached plating measure it: arcs in
// chords so fine that their areas and cuts agree with the true arcs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"

namespace korain {

// No chord strays more than this from its arc (m): a ten-thousandth of the
// area of a 1 m radius quarter circle's segments.
inline constexpr double kFineArcDeviation = 1e-5;

std::vector<PlanePoint> fineContour(const Bulkhead& bulkhead);

}  // namespace korain
