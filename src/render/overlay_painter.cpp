// Painting the hull section, the axes with their ticks, and the check legend.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlay_painter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace korain {
namespace {

// The tick step in metres: 1, 2, 5, 10, ... whichever first leaves at least
// `minimum` device pixels between ticks.
double tickStep(double pixelsPerMetre, double minimum) {
  for (double step = 1;; step *= 10) {
    for (const double factor : {1.0, 2.0, 5.0}) {
      if (step * factor * pixelsPerMetre >= minimum || step > 1e6) return step * factor;
    }
  }
}

void paintTicks(PaintContext& context, bool alongBase, double from, double to, double step) {
  const double tick = context.style.tickLength();
  const QFont font = context.style.font(LabelKind::AxisAndStrake);
  const long first = static_cast<long>(std::ceil(from / step));
  const long last = static_cast<long>(std::floor(to / step));
  if (last - first > 2000) return;
  for (long i = first; i <= last; ++i) {
    const double value = static_cast<double>(i) * step;
    const QPointF at = alongBase ? context.map(value, 0) : context.map(0, value);
    const QPointF end = alongBase ? at + QPointF(0, tick) : at - QPointF(tick, 0);
    context.painter.setPen(context.style.axisPen());
    context.painter.drawLine(at, end);
    if (i % 5 != 0 || i == 0) continue;
    context.labels.add(QString::number(value), font, context.style.labelColour(), end, tick / 2,
                       LabelRank::Axis);
  }
}

}  // namespace

void paintHull(PaintContext& context, const std::vector<ContourPath>& outlines) {
  context.painter.setPen(context.style.hullPen());
  for (const ContourPath& outline : outlines) drawWorldPath(context, outline);
}

void paintAxes(PaintContext& context, const WorldWindow& window) {
  if (window.isEmpty()) return;
  context.painter.setPen(context.style.axisPen());
  context.painter.drawLine(context.map(0, window.bottom), context.map(0, window.top()));
  context.painter.drawLine(context.map(window.left, 0), context.map(window.right(), 0));
  const double pixelsPerMetre = std::abs(context.toDevice.m11());
  const double step = tickStep(pixelsPerMetre, 6 * context.style.pixelsPerPoint());
  paintTicks(context, true, window.left, window.right(), step);
  paintTicks(context, false, window.bottom, window.top(), step);
}

void paintLegend(PaintContext& context, const QRectF& device) {
  const Legend& legend = context.options.CurrentLegend;
  if (legend.empty()) return;
  const QFont font = context.style.font(LabelKind::AxisAndStrake);
  const QFontMetricsF metrics(font);
  const double unit = context.style.pixelsPerPoint();
  const double row = std::max(metrics.height(), 11 * unit) + 3 * unit;
  const double swatch = 10 * unit;
  double textWidth = 0;
  for (const LegendEntry& entry : legend) {
    textWidth = std::max(textWidth, metrics.horizontalAdvance(QString::fromStdString(entry.Text)));
  }
  const double padding = 6 * unit;
  const auto rows = static_cast<double>(std::min<std::size_t>(
      legend.size(),
      static_cast<std::size_t>(std::max(1.0, (device.height() - 2 * padding) / row))));
  const QRectF box(device.right() - padding - (swatch + 6 * unit + textWidth + 2 * padding),
                   device.top() + padding, swatch + 6 * unit + textWidth + 2 * padding,
                   rows * row + 2 * padding);
  context.painter.setPen(QPen(QColor(160, 160, 160), unit));
  context.painter.setBrush(QColor(255, 255, 255, 235));
  context.painter.drawRect(box);
  context.labels.reserve(box);
  context.painter.setFont(font);
  for (std::size_t i = 0; i < static_cast<std::size_t>(rows); ++i) {
    const LegendEntry& entry = legend[i];
    const double top = box.top() + padding + static_cast<double>(i) * row;
    const QRectF swatchBox(box.left() + padding, top + (row - swatch) / 2, swatch, swatch);
    // Colour 0 ("no bracket") leaves the bracket uncoloured: a white swatch.
    const QColor colour =
        entry.Colour == 0
            ? QColor(Qt::white)
            : context.style.checkColour(QColor::fromRgb(static_cast<QRgb>(entry.Colour)));
    context.painter.setPen(QPen(QColor(80, 80, 80), 0.6 * unit));
    context.painter.setBrush(colour);
    context.painter.drawRect(swatchBox);
    context.painter.setPen(context.style.labelColour());
    context.painter.drawText(QRectF(swatchBox.right() + 6 * unit, top, textWidth + padding, row),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(entry.Text));
  }
  context.painter.setBrush(Qt::NoBrush);
}

}  // namespace korain
