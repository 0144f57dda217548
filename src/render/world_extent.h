// The box that holds everything a world drawing holds: every vertex, every
// arc's bulge, every circle and every text's box.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/world_window.h"
#include "world_drawing.h"

namespace korain {

// Empty (zero width and height at the origin) for a drawing with nothing in it.
WorldWindow worldExtent(const WorldDrawing& drawing);

}  // namespace korain
