// A drawing on a sheet, as exported, printed or placed in the report: the
// drawing, its scale bar and, when asked, its title block, laid out so that
// neither covers the drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>
#include <optional>

#include "arrangement_painter.h"
#include "view/title_block.h"

namespace korain {

struct SheetRequest {
  std::optional<TitleBlock> titleBlock{};
  // Metres of section per metre of sheet; 0 fills the drawing's area.
  double scaleRatio{0};
  LabelPolicy labels{LabelPolicy::KeepAll};
  // The part of the world to show (a zoomed window's) instead of the framed
  // full extent; the scale ratio is then left aside.
  std::optional<WorldWindow> window{};
  // The part of the world framed and centred in place of the full extent (a
  // bulkhead's own, in the report); what lies beyond it is cut.
  std::optional<WorldWindow> extent{};
  // Points kept empty along the sheet's edges: the drawing, its scale bar and
  // its title block stand inside them.
  double marginPoints{0};
};

// Where the parts of a sheet go (device pixels).
struct SheetLayout {
  QRectF drawing;
  WorldWindow window;  // what the drawing shows
  QRectF scaleStrip;   // empty when the sheet is too small for a scale bar
  std::optional<QRectF> titleBlock;
  double titleBlockScale = 1;  // a title block larger than half the sheet is drawn smaller
  // Whether the section with the room its labels take around it (the names
  // above the contours, the axis values), at a scale centred in `drawing`,
  // lies within it: at a scale too large for the sheet it does not, and the
  // drawing is cut.
  bool fits = true;
};

// The title block stands in the sheet's lower right corner over the
// drawing's area when the drawing leaves that corner empty (a half-section's
// starboard side, below the base line); otherwise under the drawing or beside
// it: at a scale, where the drawing fits, else whichever leaves the drawing
// larger. The scale bar takes a strip under the drawing.
SheetLayout layOutSheet(const QRectF& sheet, double dotsPerInch, const SheetRequest& request,
                        const DrawingScene& scene);

// The largest standard scale (see standardRatios) at which the drawing fits
// the sheet as `request` lays it out, as a ratio; none when it fits at none.
std::optional<double> largestRatioThatFits(const QRectF& sheet, double dotsPerInch,
                                           const SheetRequest& request, const DrawingScene& scene);

// Paints the sheet; `dotsPerInch` is the device's, which sizes lines, labels
// and the normalised scale. Returns where the drawing's labels went.
PlacedLabels paintDrawingSheet(QPainter& painter, const QRectF& sheet, double dotsPerInch,
                               const SheetRequest& request, const DrawingScene& scene);

}  // namespace korain
