#include "arrangement_painter.h"

#include "bulkhead_painter.h"
#include "device_colours.h"
#include "overlay_painter.h"
#include "paint_context.h"
#include "view/section_outline.h"
#include "world_transform.h"

namespace korain {

void paintArrangement(QPainter& painter, const QRectF& device, const WorldWindow& window,
                      const DrawingScene& scene, double pixelsPerPoint) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setClipRect(device);
  painter.fillRect(device, Qt::white);
  PaintContext context{
      painter, worldToDevice(window, device),
      DrawingStyle(scene.labels, pixelsPerPoint, deviceColourCount(*painter.device())),
      LabelLayout(painter), scene.options};
  paintHull(context, scene.section != nullptr ? sectionOutlines(*scene.section)
                                              : shipFrame(scene.arrangement, scene.ship));
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    paintStrakes(context, bulkheads.at(i), emphasisOf(i == scene.arrangement.CurBulkhead));
  }
  if (scene.options.shows(display_bit::kAxis)) paintAxes(context, window);
  // The current bulkhead last, so that it lies on top of the others.
  for (int i = 1; i <= bulkheads.count(); ++i) {
    if (i != scene.arrangement.CurBulkhead) {
      paintBulkheadLines(context, bulkheads.at(i), Emphasis::Normal);
    }
  }
  if (bulkheads.inBounds(scene.arrangement.CurBulkhead)) {
    paintBulkheadLines(context, bulkheads.at(scene.arrangement.CurBulkhead), Emphasis::Current);
  }
  if (scene.options.CheckMode != kNoCheck) paintLegend(context, device);
  painter.restore();
}

}  // namespace korain
