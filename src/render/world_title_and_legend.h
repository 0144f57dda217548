// The title block and the check legend of a world drawing, as a CAD file
// receives them: lines and texts on their own layers, beside the drawing to
// the right of its extent, at the scale the drawing's labels have.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "checks/legend.h"
#include "view/display_config.h"
#include "view/title_block.h"
#include "world_drawing.h"

namespace korain {

// The legend, when it has entries, stands level with the drawing's top; the
// title block, when given, level with its bottom, or under the legend when
// the drawing is too low to hold both.
void addTitleBlockAndLegend(WorldDrawing& drawing, const std::optional<TitleBlock>& titleBlock,
                            const Legend& legend, const DisplayConfig& labels);

}  // namespace korain
