// The geometry of a hull section that compartments are imported from: its
// nodes brought to their points, and the checks of its panels' contents.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messages/status_line.h"
#include "section/section.h"
#include "section/section_messages.h"

namespace korain {

// ComputeSection. With at least one panel, and the status line telling which
// section is computed:
//  1. the nodes take their absolute points and the strakes their materials;
//  2. panel by panel, its nodes (the nodes of a panel with a higher number
//     that one of them lies on first) and then its strakes;
//  3. the stiffener ends placed on their panels, then stiffeners without
//     ends, overlapping on the same face, or out of order along the panel;
//  4. girders, brackets and cut-outs whose ends run against their panel;
//  5. contour segments lying on one another.
// Every finding is a message; nothing stops the computation.
void computeSection(Section& section, SectionMessages& messages, const StatusLine& status);

}  // namespace korain
