// The drawing's colours, pens and label fonts for one surface.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_style.h"

#include <QGuiApplication>
#include <algorithm>

#include "device_colours.h"

namespace korain {
namespace {

// The palette of the drawing itself: dark, distinct in grey print, leaving the
// bright colours to the check display.
const QColor kHull(150, 156, 165);
const QColor kContour(24, 39, 66);
const QColor kCurrent(0, 94, 184);
const QColor kStool(95, 75, 50);
const QColor kMember(120, 28, 28);
const QColor kStiffener(28, 90, 60);
const QColor kCorrugation(70, 70, 150);
const QColor kAxis(110, 110, 110);
const QColor kLabel(30, 30, 30);
const QColor kCurrentSpan(230, 120, 0);

}  // namespace

DrawingStyle::DrawingStyle(const DisplayConfig& labels, double pixelsPerPoint, long deviceColours)
    : labels_(labels),
      pixelsPerPoint_(pixelsPerPoint > 0 ? pixelsPerPoint : 1),
      deviceColours_(deviceColours) {}

QColor DrawingStyle::shown(const QColor& colour) const {
  return colourForDevice(colour, deviceColours_, QGuiApplication::palette());
}

QPen DrawingStyle::pen(const QColor& colour, double points, Qt::PenStyle style) const {
  QPen result(shown(colour), points * pixelsPerPoint_, style, Qt::RoundCap, Qt::RoundJoin);
  result.setCosmetic(true);  // weights in device pixels, whatever the world scale
  return result;
}

QPen DrawingStyle::hullPen() const { return pen(kHull, 0.9); }
QPen DrawingStyle::contourPen(Emphasis emphasis) const {
  return emphasis == Emphasis::Current ? pen(kCurrent, 2.4) : pen(kContour, 1.8);
}
QPen DrawingStyle::stoolPen() const { return pen(kStool, 1.2); }
QPen DrawingStyle::memberPen(Emphasis emphasis) const {
  return emphasis == Emphasis::Current ? pen(kCurrent, 2.6) : pen(kMember, 2.0);
}
QPen DrawingStyle::stiffenerPen(Emphasis emphasis) const {
  return emphasis == Emphasis::Current ? pen(kCurrent, 1.5) : pen(kStiffener, 0.8);
}
QPen DrawingStyle::colouredSpanPen(const QColor& colour) const { return pen(colour, 2.2); }
QPen DrawingStyle::supportPen() const { return pen(kMember, 0.6); }
QPen DrawingStyle::currentSpanPen() const { return pen(kCurrentSpan, 3.0); }
QPen DrawingStyle::previewPen() const { return pen(kCurrentSpan, 1.2, Qt::DashLine); }
QPen DrawingStyle::strakeEdgePen() const { return pen(QColor(120, 130, 145), 0.5, Qt::DotLine); }
QPen DrawingStyle::corrugationPen() const { return pen(kCorrugation, 0.8, Qt::DashLine); }
QPen DrawingStyle::axisPen() const { return pen(kAxis, 0.7, Qt::DashDotLine); }
QPen DrawingStyle::nodePen(Emphasis emphasis) const {
  return pen(emphasis == Emphasis::Current ? kCurrent : kContour, 0.8);
}
QColor DrawingStyle::currentColour() const { return shown(kCurrent); }
QColor DrawingStyle::nodeFill() const { return shown(Qt::white); }
QColor DrawingStyle::strakeFill() const { return shown(QColor(235, 240, 247)); }
QColor DrawingStyle::currentStrakeFill() const { return shown(QColor(190, 215, 245)); }
QColor DrawingStyle::checkColour(const QColor& paletteColour) const { return shown(paletteColour); }
QColor DrawingStyle::labelColour() const { return shown(kLabel); }
// White on every device, never replaced: it is the paper.
QColor DrawingStyle::backgroundColour() const { return Qt::white; }
double DrawingStyle::nodeRadius() const { return 2.2 * pixelsPerPoint_; }
double DrawingStyle::tickLength() const { return 3.5 * pixelsPerPoint_; }

QFont DrawingStyle::font(LabelKind kind) const {
  int points = labels_.AxisFontSize;
  switch (kind) {
    case LabelKind::BulkheadName:
      points = labels_.PanelFontSize;
      break;
    case LabelKind::Node:
      points = labels_.NodeFontSize;
      break;
    case LabelKind::Stiffener:
      points = labels_.StiffenerFontSize;
      break;
    case LabelKind::AxisAndStrake:
      break;
  }
  // The device's reduction factor scales its label sizes, the usual 0.1
  // keeping them as typed (0.05 halves them, 0.2 doubles them); a label stays
  // between 4 and 72 points whatever the product.
  const double scaled = points * static_cast<double>(labels_.ReductionFactor) /
                        static_cast<double>(kUsualReductionFactor);
  QFont result(QString::fromStdString(labels_.FontName));
  result.setPixelSize(
      std::max(1, static_cast<int>(std::clamp(scaled, 4.0, 72.0) * pixelsPerPoint_)));
  if (kind == LabelKind::BulkheadName) result.setBold(true);
  return result;
}

}  // namespace korain
