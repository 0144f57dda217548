// Draws a bulkhead arrangement over its hull section onto any QPainter: the
// editor's drawing window, printed sheets, exports and the report all use it.
#pragma once

#include <QPainter>
#include <QRectF>

#include "configuration.h"
#include "model/arrangement.h"
#include "section/section.h"
#include "ship/ship_data.h"
#include "view/display_options.h"
#include "view/world_window.h"

namespace korain {

struct DrawingScene {
  const Arrangement& arrangement;
  const Section* section = nullptr;  // drawn behind; without it, the ship's frame
  const ShipData& ship;
  const DisplayOptions& options;
  const DisplayConfig& labels;
};

// Draws the scene so that `window` fills `device` (aspect kept, centred).
// `pixelsPerPoint` sizes line weights and labels: 1 on a 72-dpi surface,
// resolution / 72 on others. The arrangement's computed geometry is used as it
// stands; the caller computes it first.
void paintArrangement(QPainter& painter, const QRectF& device, const WorldWindow& window,
                      const DrawingScene& scene, double pixelsPerPoint);

}  // namespace korain
