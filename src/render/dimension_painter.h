// The dimension chains drawn beside a bulkhead: extension lines, dimension
// lines with oblique ticks and the spacing texts, placed outside the bulkhead
// (under its lowest point, beside its outer side), and the same chains as
// world geometry for a CAD file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <vector>

#include "arrangement_painter.h"
#include "drawing_style.h"
#include "paint_context.h"

namespace korain {

struct WorldDrawing;

// A spacing text as drawn: its box (device pixels) and whether it is turned a
// quarter left to read from the bottom up along an upright chain.
struct DimensionText {
  QString text;
  QRectF box;
  bool upright = false;
};

struct DimensionFigure {
  std::vector<QLineF> lines;  // extension lines, dimension lines and ticks
  std::vector<DimensionText> texts;
};

// The chains of the bulkheads the drawing dimensions (the current one, or
// every bulkhead when none is current) when the display asks for them;
// nothing otherwise. No text overlaps another: a text that would is moved to
// a further row away from its dimension line.
DimensionFigure layOutDimensions(const DrawingScene& scene, const QTransform& toDevice,
                                 const DrawingStyle& style);

// Draws the figure and keeps its texts' boxes and dimension lines free of labels.
void paintDimensions(PaintContext& context, const DrawingScene& scene);

// The extent grown to hold the chains as they stand at `toDevice`.
WorldWindow withDimensionRoom(const WorldWindow& full, const DrawingScene& scene,
                              const QTransform& toDevice, double pixelsPerPoint);

// The chains carried into the world drawing: lines on the dimensions layer and
// texts of the height their capitals have on the picture.
void addWorldDimensions(WorldDrawing& drawing, const DrawingScene& scene,
                        const QTransform& toDevice, const DrawingStyle& style);

}  // namespace korain
