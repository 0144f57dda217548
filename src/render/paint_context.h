// What the parts of the drawing share while one picture is painted.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include "drawing_style.h"
#include "geometry/contour_path.h"
#include "geometry/plane.h"
#include "label_layout.h"
#include "view/display_options.h"

namespace korain {

struct PaintContext {
  QPainter& painter;
  QTransform toDevice;
  DrawingStyle style;
  LabelLayout labels;
  const DisplayOptions& options;
  // Whether the chosen objects and the current bulkhead stand out: on screen
  // only; a drawing that leaves the program shows none of them.
  bool showsSelection = true;

  QPointF map(PlanePoint p) const { return toDevice.map(QPointF(p.y, p.z)); }
  QPointF map(double y, double z) const { return toDevice.map(QPointF(y, z)); }

  // The palette colour of a colour index (1-based, wrapping); invalid for 0.
  QColor paletteColour(Long index) const;
};

// The palette colour of a colour index (1-based, wrapping); invalid for 0.
QColor paletteColour(const DisplayOptions& options, Long index);

// Draws a polyline of world points; points that are not numbers break it.
void drawWorldPolyline(PaintContext& context, const std::vector<PlanePoint>& points);

// Draws a contour path, its arcs in chords that stay within a tenth of a
// device pixel of them, so that no zoom shows a corner on an arc.
void drawWorldPath(PaintContext& context, const ContourPath& path);

// Draws a polyline of device points with the painter's pen, in time linear in
// its length even when it crosses itself many times.
void drawDevicePolyline(QPainter& painter, const QPolygonF& line);

}  // namespace korain
