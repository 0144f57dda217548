// The parts of the drawing that belong to the sheet rather than to a
// bulkhead: the hull section behind, the axes and the check legend.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "paint_context.h"
#include "view/section_outline.h"
#include "view/world_window.h"

namespace korain {

void paintHull(PaintContext& context, const std::vector<ContourPath>& outlines);

// The centre line and the base line across the window, with metre ticks
// spaced so that they never crowd, and their values at every fifth or tenth.
void paintAxes(PaintContext& context, const WorldWindow& window);

// The legend of the check display in the upper right corner of the device.
void paintLegend(PaintContext& context, const QRectF& device);

}  // namespace korain
