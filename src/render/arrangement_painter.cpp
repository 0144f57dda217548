#include "arrangement_painter.h"

#include "bulkhead_painter.h"
#include "device_colours.h"
#include "overlay_painter.h"
#include "paint_context.h"
#include "view/section_outline.h"
#include "world_transform.h"

namespace korain {
namespace {

// Room around a bulkhead's bounds for what is drawn beside them (its name
// above it, labels and node marks), as a part of the visible size.
constexpr double kLabelRoom = 0.1;

PaintContext contextFor(QPainter& painter, const QRectF& device, const WorldWindow& window,
                        const DrawingScene& scene, double pixelsPerPoint, PlacedLabels placed) {
  return {painter, worldToDevice(window, device),
          DrawingStyle(scene.labels, pixelsPerPoint, deviceColourCount(*painter.device())),
          LabelLayout(painter, std::move(placed)), scene.options};
}

// Whether anything of the bulkhead can fall within the visible part of the world.
bool isShown(const Bulkhead& bulkhead, const QRectF& visible) {
  if (!(bulkhead.YMin <= bulkhead.YMax && bulkhead.ZMin <= bulkhead.ZMax)) return true;
  const double roomY = visible.width() * kLabelRoom;
  const double roomZ = visible.height() * kLabelRoom;
  return bulkhead.YMax + roomY >= visible.left() && bulkhead.YMin - roomY <= visible.right() &&
         bulkhead.ZMax + roomZ >= visible.top() && bulkhead.ZMin - roomZ <= visible.bottom();
}

void beginPainting(QPainter& painter, const QRectF& device) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setClipRect(device);
}

}  // namespace

PlacedLabels paintBackground(QPainter& painter, const QRectF& device, const WorldWindow& window,
                             const DrawingScene& scene, double pixelsPerPoint) {
  beginPainting(painter, device);
  painter.fillRect(device, Qt::white);
  PaintContext context = contextFor(painter, device, window, scene, pixelsPerPoint, {});
  paintHull(context, scene.section != nullptr ? sectionOutlines(*scene.section)
                                              : shipFrame(scene.arrangement, scene.ship));
  // The visible part of the world; as a QRectF its "top" is the lowest z.
  const QRectF visible = context.toDevice.inverted().mapRect(device).normalized();
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  const auto others = [&](auto paint) {
    for (int i = 1; i <= bulkheads.count(); ++i) {
      if (i != scene.arrangement.CurBulkhead && isShown(bulkheads.at(i), visible)) {
        paint(bulkheads.at(i));
      }
    }
  };
  others([&context](const Bulkhead& b) { paintStrakes(context, b, Emphasis::Normal); });
  others([&context](const Bulkhead& b) { paintBulkheadLines(context, b, Emphasis::Normal); });
  painter.restore();
  return context.labels.placed();
}

void paintForeground(QPainter& painter, const QRectF& device, const WorldWindow& window,
                     const DrawingScene& scene, double pixelsPerPoint,
                     const PlacedLabels& background) {
  beginPainting(painter, device);
  PaintContext context = contextFor(painter, device, window, scene, pixelsPerPoint, background);
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  const bool hasCurrent = bulkheads.inBounds(scene.arrangement.CurBulkhead);
  if (hasCurrent)
    paintStrakes(context, bulkheads.at(scene.arrangement.CurBulkhead), Emphasis::Current);
  if (scene.options.shows(display_bit::kAxis)) paintAxes(context, window);
  if (hasCurrent)
    paintBulkheadLines(context, bulkheads.at(scene.arrangement.CurBulkhead), Emphasis::Current);
  if (scene.options.CheckMode != kNoCheck) paintLegend(context, device);
  painter.restore();
}

void paintArrangement(QPainter& painter, const QRectF& device, const WorldWindow& window,
                      const DrawingScene& scene, double pixelsPerPoint) {
  const PlacedLabels background = paintBackground(painter, device, window, scene, pixelsPerPoint);
  paintForeground(painter, device, window, scene, pixelsPerPoint, background);
}

}  // namespace korain
