// The scale bar of a drawing: a bar of a round length in metres, and the
// stated scale when the drawing is printed at a normalised one.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

namespace korain {

// The height of the strip a scale bar takes, on a surface of `pixelsPerPoint`.
double scaleBarHeight(double pixelsPerPoint);

// The bar's length in metres: the longest of 1, 2 or 5 times a power of ten
// that is no longer than `widthPixels` at `pixelsPerMetre`; 0 when none is.
double scaleBarLength(double pixelsPerMetre, double widthPixels);

struct ScaleBarStyle {
  QFont font;
  QColor colour;
  double pixelsPerPoint = 1;
};

// Draws the bar from the strip's left edge, in four segments, with "0" and its
// length below its ends and, for `statedRatio` above 0, "Scale 1:ratio" after
// it. Nothing is drawn when no round length fits the strip.
void paintScaleBar(QPainter& painter, const QRectF& strip, double pixelsPerMetre,
                   const ScaleBarStyle& style, double statedRatio);

}  // namespace korain
