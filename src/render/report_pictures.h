// The pictures of the data report: Korain's logo on the front page, and the
// drawing of each bulkhead beside its tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrangement_painter.h"
#include "drawing_sheet.h"
#include "print_surface_qt.h"

namespace korain {

// The logo: a hold bulkhead's outline with its stiffeners, and the name.
void paintLogo(QPainter& painter, const QRectF& box);

// A sheet as painted: where its parts and its labels went.
struct PaintedSheet {
  SheetLayout layout;
  PlacedLabels labels;
};

// The picture of one bulkhead (1-based) of the scene in `box`, drawn as the
// exported drawing draws it: alone before the hull section, framed on its own
// contour, with members, stiffeners and strakes; labels that find no room in
// so small a picture give way rather than pile up on one another.
PaintedSheet paintBulkheadPicture(QPainter& painter, const DrawingScene& scene, int bulkhead,
                                  const QRectF& box);

// Draws the report's pictures from the scene: the logo, and the picture of
// one bulkhead. The scene must outlive the painter.
PicturePainter reportPicturePainter(const DrawingScene& scene);

}  // namespace korain
