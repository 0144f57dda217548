// The plating an ordinary stiffener works with at the middle of a span: the
// strake under it and the stiffener spacing there.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"
#include "properties/profile_section.h"

namespace korain {

struct PlateOrReason {
  std::optional<AttachedPlate> plate;
  int band = 0;
  int strake = 0;
  std::string reason;  // empty when there is a plate
  MissingCause cause = MissingCause::None;
};

// `middle` is the span's middle in the plane; `contour` the bulkhead's fine
// contour. The thickness is the thinnest strake whose outline holds the middle;
// the breadth half the distance to each neighbouring stiffener that reaches
// the middle's height (or abscissa), the contour's edge standing in for a
// missing neighbour but never giving more than the other half.
PlateOrReason attachedPlate(const Bulkhead& bulkhead, int stiffener, PlanePoint middle,
                            const std::vector<PlanePoint>& contour);

}  // namespace korain
