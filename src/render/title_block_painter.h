// The title block of a printed drawing: a framed box of eight lines, the
// labelled cells of the drawing's makers two to a row, and the scale when the
// drawing is printed at a normalised scale. A line too long
// for its box is set smaller and, beyond the smallest size, wrapped: its row
// then grows, and the box with it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>

#include "title_line_fit.h"
#include "view/title_block.h"

namespace korain {

// The width of a line's text, in points; the dialog that edits the lines
// tells with it how much of a typed line fits.
double titleLineWidthPoints();
// Line `line` (0-based; the scale's row after the eight) as it is set.
TitleLineFit fitTitleBlockLine(const QString& text, std::size_t line, const QString& fontName,
                               double pixelsPerPoint);

// The size of the box for a surface with `pixelsPerPoint`.
QSizeF titleBlockSize(const TitleBlock& block, const QString& fontName, double pixelsPerPoint);

// Draws the box with its lower right corner at `corner`.
void paintTitleBlock(QPainter& painter, const TitleBlock& block, QPointF corner,
                     const QString& fontName, double pixelsPerPoint);

}  // namespace korain
