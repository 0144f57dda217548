// The title block of a printed drawing: a framed box of eight lines, and the
// scale when the drawing is printed at a normalised scale.
#pragma once

#include <QPainter>
#include <QRectF>

#include "view/title_block.h"

namespace korain {

// The size of the box for a surface with `pixelsPerPoint`.
QSizeF titleBlockSize(double pixelsPerPoint);

// Draws the box with its lower right corner at `corner`.
void paintTitleBlock(QPainter& painter, const TitleBlock& block, QPointF corner,
                     const QString& fontName, double pixelsPerPoint);

}  // namespace korain
