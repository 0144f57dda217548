// Draws a bulkhead arrangement over its hull section onto any QPainter: the
// editor's drawing window, printed sheets, exports and the report all use it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>
#include <vector>

#include "drawing_labels.h"
#include "label_layout.h"
#include "model/arrangement.h"
#include "section/section.h"
#include "ship/ship_data.h"
#include "view/display_config.h"
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

// Whether the picture shows what the user chose (the current bulkhead and the
// objects chosen in the panels): the screen does; exports, prints and the
// clipboard do not, since the choice is the editor's, not the drawing's.
enum class Highlight { Shown, Hidden };

// How a picture is painted beyond what the scene says.
struct PaintOptions {
  Highlight selection = Highlight::Shown;
  // The labels without room are counted in a note on screen, where zooming
  // in shows them; exported and printed drawings list each in the note.
  LabelPolicy labels = LabelPolicy::GiveWay;
  // Boxes of the device where nothing is drawn, labels included (a title
  // block standing over the picture's empty corner).
  std::vector<QRectF> keepClear;
};

// Draws the scene so that `window` fills `device` (aspect kept, centred).
// `pixelsPerPoint` sizes line weights and labels: 1 on a 72-dpi surface,
// resolution / 72 on others. The arrangement's computed geometry is used as it
// stands; the caller computes it first. The current bulkhead lies on top of
// the others. The labels come last, each on a halo of the background that
// masks fills and never a line; the result says where they went.
PlacedLabels paintArrangement(QPainter& painter, const QRectF& device, const WorldWindow& window,
                              const DrawingScene& scene, double pixelsPerPoint,
                              const PaintOptions& paint = {});

// The drawing in two layers, which together paint what paintArrangement does:
// the background (the ground, the hull behind, every bulkhead but the
// current one, only those the window shows), then the foreground (the current
// bulkhead, the axes, the check legend and every label). A screen keeps the
// background as a picture while only the current bulkhead changes.
// The background paints no label: it gives its labels for the foreground to
// place and draw on top of everything; the foreground says where they all went.
DrawingLabels paintBackground(QPainter& painter, const QRectF& device, const WorldWindow& window,
                              const DrawingScene& scene, double pixelsPerPoint,
                              const PaintOptions& paint = {});
PlacedLabels paintForeground(QPainter& painter, const QRectF& device, const WorldWindow& window,
                             const DrawingScene& scene, double pixelsPerPoint,
                             const DrawingLabels& background, const PaintOptions& paint = {});

}  // namespace korain
