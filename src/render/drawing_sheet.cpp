// Laying out a sheet's drawing, scale bar and title block, and painting them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_sheet.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <algorithm>
#include <cmath>

#include "dimension_painter.h"
#include "drawing_style.h"
#include "inch_units.h"
#include "scale_bar.h"
#include "title_block_painter.h"
#include "view/print_scale.h"
#include "world_transform.h"

namespace korain {
namespace {

constexpr double kInsetPoints = 4;
// Room kept around the section for the labels that stand outside it (the
// bulkhead names, the axis values), when deciding whether a corner is empty.
constexpr double kLabelRoomPoints = 16;
// A title block or a scale bar never takes more than this share of the sheet.
constexpr double kLargestShare = 0.5;

double pixelsPerPoint(double dotsPerInch) { return dotsPerInch / kPointsPerInch; }

struct Framing {
  const QRectF& sheet;
  double dotsPerInch;
  const SheetRequest& request;
  const DrawingScene& scene;
  WorldWindow full;

  bool atScale() const { return !request.window && request.scaleRatio > 0; }

  // The room kept around the section for the labels that stand outside it:
  // the axis values on every side, and above it the bulkhead names.
  QMarginsF labelRoom() const {
    const double unit = pixelsPerPoint(dotsPerInch);
    const DrawingStyle style(scene.labels, unit);
    const double room = kLabelRoomPoints * unit;
    const double name =
        QFontMetricsF(style.font(LabelKind::BulkheadName)).height() + style.nodeRadius();
    return {room, std::max(room, name), room, room};
  }

  WorldWindow windowFor(const QRectF& area) const {
    if (request.window) return *request.window;
    if (atScale()) return centredWindow(area);
    // The section is framed below a line's room for the names that stand
    // above the contours, which a small picture's margin would not hold.
    const DrawingStyle style(scene.labels, pixelsPerPoint(dotsPerInch));
    const double room =
        std::min(QFontMetricsF(style.font(LabelKind::BulkheadName)).height() + style.nodeRadius(),
                 area.height() / 4);
    const QRectF below = area.adjusted(0, room, 0, 0);
    WorldWindow window =
        frameWindow(full, scene.labels.Margin, below.width() / std::max(1.0, below.height()));
    window.height += room * window.width / std::max(1.0, below.width());
    return window;
  }

  // At the scale asked, the area's window that has the drawing's box, the
  // section with its labels' room, in its middle.
  WorldWindow centredWindow(const QRectF& area) const {
    const double perMetre = dotsPerInch / (request.scaleRatio * kMetresPerInch);
    const QMarginsF room = labelRoom();
    const double centreY = full.centreY() + (room.right() - room.left()) / 2 / perMetre;
    const double centreZ = full.centreZ() + (room.top() - room.bottom()) / 2 / perMetre;
    const double width = area.width() / perMetre;
    const double height = area.height() / perMetre;
    return {centreY - width / 2, centreZ - height / 2, width, height};
  }

  QRectF drawingBox(const QRectF& area) const {
    const QTransform toDevice = worldToDevice(windowFor(area), area);
    return toDevice.mapRect(QRectF(full.left, full.bottom, full.width, full.height))
        .marginsAdded(labelRoom());
  }

  // Whether the drawing's box lies within the area; a fitted or zoomed
  // drawing is framed to the area and always does.
  bool fits(const QRectF& area) const {
    if (!atScale()) return true;
    // Half a pixel of rounding is no overflow.
    return area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawingBox(area));
  }

  double pixelsPerMetre(const QRectF& area) const {
    return std::abs(worldToDevice(windowFor(area), area).m11());
  }

  // Whether the box leaves free the section, the labels around it and the
  // axes with their values, which run across the whole area.
  bool leavesDrawingFree(const QRectF& area, const QRectF& box) const {
    if (box.intersects(drawingBox(area))) return false;
    if (!scene.options.shows(display_bit::kAxis)) return true;
    const double room = kLabelRoomPoints * pixelsPerPoint(dotsPerInch);
    const QPointF origin = worldToDevice(windowFor(area), area).map(QPointF(0, 0));
    const QRectF baseLine(area.left(), origin.y() - room, area.width(), 2 * room);
    const QRectF centreLine(origin.x() - room, area.top(), 2 * room, area.height());
    return !box.intersects(baseLine) && !box.intersects(centreLine);
  }
};

SheetLayout withoutTitleBlock(const QRectF& sheet, double strip) {
  return {.drawing = sheet.adjusted(0, 0, 0, -strip),
          .window = {},
          .scaleStrip = QRectF(sheet.left(), sheet.bottom() - strip, sheet.width(), strip),
          .titleBlock = std::nullopt,
          .titleBlockScale = 1};
}

// Where the drawing, its scale bar and its title block go; the window is
// left to the caller.
SheetLayout chooseLayout(const Framing& framing) {
  const QRectF& sheet = framing.sheet;
  const double unit = pixelsPerPoint(framing.dotsPerInch);
  // A sheet too small for a scale bar beside a readable drawing goes without.
  const double strip =
      scaleBarHeight(unit) <= sheet.height() * kLargestShare / 2 ? scaleBarHeight(unit) : 0;
  SheetLayout plain = withoutTitleBlock(sheet, strip);
  if (!framing.request.titleBlock) return plain;

  const QSizeF full = titleBlockSize(*framing.request.titleBlock,
                                     QString::fromStdString(framing.scene.labels.FontName), unit);
  const double scale = std::min({1.0, sheet.width() * kLargestShare / full.width(),
                                 sheet.height() * kLargestShare / full.height()});
  const QSizeF size = full * scale;
  const double inset = kInsetPoints * unit;
  const QRectF corner(sheet.right() - inset - size.width(), sheet.bottom() - inset - size.height(),
                      size.width(), size.height());

  // Over the drawing's area, where the drawing leaves the corner empty.
  SheetLayout over = plain;
  over.titleBlock = corner;
  over.titleBlockScale = scale;
  over.scaleStrip.setRight(corner.left() - inset);
  if (framing.leavesDrawingFree(over.drawing, corner)) return over;

  // Under the drawing, the scale bar to its left.
  const double below = std::max(strip, size.height() + 2 * inset);
  SheetLayout under{.drawing = sheet.adjusted(0, 0, 0, -below),
                    .window = {},
                    .scaleStrip = QRectF(sheet.left(), sheet.bottom() - below,
                                         corner.left() - inset - sheet.left(), strip),
                    .titleBlock = corner,
                    .titleBlockScale = scale};
  // Beside it, the scale bar under it.
  const double beside = size.width() + 2 * inset;
  SheetLayout aside{
      .drawing = QRectF(sheet.left(), sheet.top(), sheet.width() - beside, sheet.height() - strip),
      .window = {},
      .scaleStrip = QRectF(sheet.left(), sheet.bottom() - strip, sheet.width() - beside, strip),
      .titleBlock = corner,
      .titleBlockScale = scale};
  if (framing.atScale()) {
    // At a scale, the layout in which the drawing fits; of two, or of none,
    // the larger area, which shows more of the section.
    const bool underFits = framing.fits(under.drawing);
    if (underFits != framing.fits(aside.drawing)) return underFits ? under : aside;
    const auto area = [](const SheetLayout& l) { return l.drawing.width() * l.drawing.height(); };
    return area(under) >= area(aside) ? under : aside;
  }
  return framing.pixelsPerMetre(under.drawing) >= framing.pixelsPerMetre(aside.drawing) ? under
                                                                                        : aside;
}

}  // namespace

SheetLayout layOutSheet(const QRectF& sheet, double dotsPerInch, const SheetRequest& request,
                        const DrawingScene& scene) {
  const double margin = request.marginPoints * pixelsPerPoint(dotsPerInch);
  const QRectF inside = sheet.marginsRemoved({margin, margin, margin, margin});
  Framing framing{
      inside, dotsPerInch, request, scene,
      request.extent ? *request.extent : fullExtent(scene.arrangement, scene.section, scene.ship)};
  SheetLayout layout = chooseLayout(framing);
  layout.window = framing.windowFor(layout.drawing);
  // The dimension chains stand outside the bulkhead at a size in points: the
  // extent grows to hold them as framed, twice, since the growth itself
  // makes the drawing a little smaller.
  for (int pass = 0; pass < 2 && scene.options.shows(display_bit::kDimensions); ++pass) {
    framing.full =
        withDimensionRoom(framing.full, scene, worldToDevice(layout.window, layout.drawing),
                          pixelsPerPoint(dotsPerInch));
    layout = chooseLayout(framing);
    layout.window = framing.windowFor(layout.drawing);
  }
  layout.fits = framing.fits(layout.drawing);
  return layout;
}

std::optional<double> largestRatioThatFits(const QRectF& sheet, double dotsPerInch,
                                           const SheetRequest& request, const DrawingScene& scene) {
  SheetRequest atRatio = request;
  atRatio.window.reset();
  for (const double ratio : standardRatios()) {
    atRatio.scaleRatio = ratio;
    if (layOutSheet(sheet, dotsPerInch, atRatio, scene).fits) return ratio;
  }
  return std::nullopt;
}

PlacedLabels paintDrawingSheet(QPainter& painter, const QRectF& sheet, double dotsPerInch,
                               const SheetRequest& request, const DrawingScene& scene) {
  const SheetLayout layout = layOutSheet(sheet, dotsPerInch, request, scene);
  const double unit = pixelsPerPoint(dotsPerInch);
  painter.fillRect(sheet, Qt::white);
  PaintOptions options{.selection = Highlight::Hidden, .labels = request.labels, .keepClear = {}};
  if (layout.titleBlock) options.keepClear.push_back(*layout.titleBlock);
  PlacedLabels placed =
      paintArrangement(painter, layout.drawing, layout.window, scene, unit, options);
  if (!layout.scaleStrip.isEmpty()) {
    const DrawingStyle style(scene.labels, unit);
    paintScaleBar(
        painter, layout.scaleStrip, std::abs(worldToDevice(layout.window, layout.drawing).m11()),
        {style.font(LabelKind::AxisAndStrake), style.labelColour(), unit}, request.scaleRatio);
  }
  if (layout.titleBlock) {
    paintTitleBlock(painter, *request.titleBlock, layout.titleBlock->bottomRight(),
                    QString::fromStdString(scene.labels.FontName), unit * layout.titleBlockScale);
  }
  return placed;
}

}  // namespace korain
