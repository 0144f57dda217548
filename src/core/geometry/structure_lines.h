// The lines of a bulkhead that a label must never cover: its contour, members,
// stiffeners, brackets, stools and corrugation knuckles, as straight pieces.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/member_lines.h"
#include "model/arrangement.h"
#include "view/shown_parts.h"

namespace korain {

// The shown lines of the bulkhead in world metres, its contour's arcs in
// chords within `arcDeviation` of them. Fills and hatches are not lines: a
// label may stand on a strake or a stool's hatching.
std::vector<PlaneSegment> structureLines(const Bulkhead& bulkhead, const ShownParts& shown,
                                         double arcDeviation);

}  // namespace korain
