// Painting the arrangement: the background, the current bulkhead and the labels on top.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_painter.h"

#include <QPainterPath>
#include <cmath>

#include "bulkhead_painter.h"
#include "device_colours.h"
#include "dimension_painter.h"
#include "drawing_labels.h"
#include "geometry/structure_lines.h"
#include "overlay_painter.h"
#include "paint_context.h"
#include "view/section_outline.h"
#include "view/shown_parts.h"
#include "world_transform.h"

namespace korain {
namespace {

// Room around a bulkhead's bounds for what is drawn beside them (its name
// above it, labels and node marks), as a part of the visible size.
constexpr double kLabelRoom = 0.1;

// Whether anything of the bulkhead can fall within the visible part of the world.
bool isShown(const Bulkhead& bulkhead, const QRectF& visible) {
  if (!(bulkhead.YMin <= bulkhead.YMax && bulkhead.ZMin <= bulkhead.ZMax)) return true;
  const double roomY = visible.width() * kLabelRoom;
  const double roomZ = visible.height() * kLabelRoom;
  return bulkhead.YMax + roomY >= visible.left() && bulkhead.YMin - roomY <= visible.right() &&
         bulkhead.ZMax + roomZ >= visible.top() && bulkhead.ZMin - roomZ <= visible.bottom();
}

// Nothing is drawn outside the device, nor in the boxes kept clear.
void clipTo(QPainter& painter, const QRectF& device, const std::vector<QRectF>& keepClear) {
  if (keepClear.empty()) {
    painter.setClipRect(device);
    return;
  }
  QPainterPath area;
  area.addRect(device);
  for (const QRectF& box : keepClear) {
    QPainterPath clear;
    clear.addRect(box);
    area = area.subtracted(clear);
  }
  painter.setClipPath(area);
}

PaintContext beginPainting(QPainter& painter, const QRectF& device, const WorldWindow& window,
                           const DrawingScene& scene, double pixelsPerPoint,
                           const PaintOptions& paint) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  clipTo(painter, device, paint.keepClear);
  PaintContext context{
      painter, worldToDevice(window, device),
      DrawingStyle(scene.labels, pixelsPerPoint, deviceColourCount(*painter.device())),
      LabelLayout(device, paint.labels, pixelsPerPoint), scene.options};
  context.showsSelection = paint.selection == Highlight::Shown;
  for (const QRectF& box : paint.keepClear) context.labels.reserveText(box);
  return context;
}

LabelSource labelSource(const PaintContext& context, const DrawingScene& scene) {
  return {scene.ship, scene.options, context.style, context.showsSelection};
}

// Every line of the shown bulkheads and the axes, for the labels to leave whole.
void avoidStructure(PaintContext& context, const DrawingScene& scene, const WorldWindow& window,
                    const QRectF& device) {
  const double pixelsPerMetre = std::abs(context.toDevice.m11());
  // Chords within a quarter of a pixel of the contour's arcs.
  const double deviation = pixelsPerMetre > 0 ? 0.25 / pixelsPerMetre : 0;
  const QRectF visible = context.toDevice.inverted().mapRect(device).normalized();
  const auto avoid = [&](const PlaneSegment& segment) {
    context.labels.avoid(QLineF(context.map(segment.from), context.map(segment.to)));
  };
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    if (!isShown(bulkheads.at(i), visible)) continue;
    const ShownParts shown = shownParts(scene.options, i == scene.arrangement.CurBulkhead);
    for (const PlaneSegment& segment : structureLines(bulkheads.at(i), shown, deviation)) {
      avoid(segment);
    }
  }
  if (scene.options.shows(display_bit::kAxis) && !window.isEmpty()) {
    avoid({{0, window.bottom}, {0, window.top()}});
    avoid({{window.left, 0}, {window.right(), 0}});
  }
}

}  // namespace

DrawingLabels paintBackground(QPainter& painter, const QRectF& device, const WorldWindow& window,
                              const DrawingScene& scene, double pixelsPerPoint,
                              const PaintOptions& paint) {
  PaintContext context = beginPainting(painter, device, window, scene, pixelsPerPoint, paint);
  painter.fillRect(device, context.style.backgroundColour());
  paintHull(context, hullOutlines(scene.arrangement, scene.section, scene.ship));
  // The visible part of the world; as a QRectF its "top" is the lowest z.
  const QRectF visible = context.toDevice.inverted().mapRect(device).normalized();
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  const auto others = [&](auto draw) {
    for (int i = 1; i <= bulkheads.count(); ++i) {
      if (i != scene.arrangement.CurBulkhead && isShown(bulkheads.at(i), visible)) {
        draw(bulkheads.at(i));
      }
    }
  };
  others([&context](const Bulkhead& b) { paintStrakes(context, b, Emphasis::Normal); });
  others([&context](const Bulkhead& b) { paintBulkheadLines(context, b, Emphasis::Normal); });
  DrawingLabels labels;
  others([&](const Bulkhead& b) {
    const DrawingLabels more = bulkheadLabels(b, Emphasis::Normal, labelSource(context, scene));
    labels.insert(labels.end(), more.begin(), more.end());
  });
  painter.restore();
  return labels;
}

PlacedLabels paintForeground(QPainter& painter, const QRectF& device, const WorldWindow& window,
                             const DrawingScene& scene, double pixelsPerPoint,
                             const DrawingLabels& background, const PaintOptions& paint) {
  PaintContext context = beginPainting(painter, device, window, scene, pixelsPerPoint, paint);
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  const bool hasCurrent = bulkheads.inBounds(scene.arrangement.CurBulkhead);
  if (hasCurrent)
    paintStrakes(context, bulkheads.at(scene.arrangement.CurBulkhead), Emphasis::Current);
  if (scene.options.shows(display_bit::kAxis)) paintAxes(context, window);
  if (hasCurrent)
    paintBulkheadLines(context, bulkheads.at(scene.arrangement.CurBulkhead), Emphasis::Current);
  if (scene.options.CheckMode != kNoCheck) paintLegend(context, device);
  paintDimensions(context, scene);
  // Every label, the background's too, after every fill and line of both
  // layers: the current bulkhead's strakes would cover the others' names.
  // No label stands on a line of either layer.
  avoidStructure(context, scene, window, device);
  addLabels(context.labels, background, context.toDevice, context.style);
  if (hasCurrent) {
    addLabels(context.labels,
              bulkheadLabels(bulkheads.at(scene.arrangement.CurBulkhead), Emphasis::Current,
                             labelSource(context, scene)),
              context.toDevice, context.style);
  }
  PlacedLabels placed = context.labels.paint(painter, context.style.backgroundColour());
  painter.restore();
  return placed;
}

PlacedLabels paintArrangement(QPainter& painter, const QRectF& device, const WorldWindow& window,
                              const DrawingScene& scene, double pixelsPerPoint,
                              const PaintOptions& paint) {
  const DrawingLabels background =
      paintBackground(painter, device, window, scene, pixelsPerPoint, paint);
  return paintForeground(painter, device, window, scene, pixelsPerPoint, background, paint);
}

}  // namespace korain
