// One bulkhead of the drawing: strakes, contour, stools, corrugation, members,
// stiffeners with spans and brackets, and nodes; its labels are drawing_labels'.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "paint_context.h"

namespace korain {

// The plating layer (strakes) of a bulkhead, drawn first so that lines lie on it.
void paintStrakes(PaintContext& context, const Bulkhead& bulkhead, Emphasis emphasis);

// Everything else of the bulkhead.
void paintBulkheadLines(PaintContext& context, const Bulkhead& bulkhead, Emphasis emphasis);

}  // namespace korain
