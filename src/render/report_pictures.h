// The pictures of the data report: Korain's logo on the front page, and the
// drawing of each bulkhead beside its tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrangement_painter.h"
#include "print_surface_qt.h"

namespace korain {

// The logo: a hold bulkhead's outline with its stiffeners, and the name.
void paintLogo(QPainter& painter, const QRectF& box);

// Draws the report's pictures from the scene: the logo, and one bulkhead of
// the scene's arrangement alone, framed in its box with members, stiffeners
// and strakes shown. The scene must outlive the painter.
PicturePainter reportPicturePainter(const DrawingScene& scene);

}  // namespace korain
