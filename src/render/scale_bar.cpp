// Choosing the scale bar's round length, and painting it with the stated scale.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_bar.h"

#include <QFontMetricsF>
#include <QPen>
#include <cmath>

#include "text/number_format.h"
#include "view/print_scale.h"

namespace korain {
namespace {

constexpr double kStripPoints = 24;
constexpr double kBarPoints = 4;
constexpr double kInsetPoints = 4;
// From the strip's left edge to the bar: room for half of its "0".
constexpr double kLeftPoints = 12;
constexpr int kSegments = 4;
// The bar takes at most this share of the strip and this many points.
constexpr double kShareOfStrip = 0.3;
constexpr double kLongestPoints = 170;

}  // namespace

double scaleBarHeight(double pixelsPerPoint) { return kStripPoints * pixelsPerPoint; }

double scaleBarLength(double pixelsPerMetre, double widthPixels) {
  if (!(pixelsPerMetre > 0) || !std::isfinite(pixelsPerMetre) || !(widthPixels > 0)) return 0;
  const double metres = widthPixels / pixelsPerMetre;
  const double power = std::pow(10.0, std::floor(std::log10(metres)));
  for (const double step : {5.0, 2.0, 1.0}) {
    if (step * power <= metres) return step * power;
  }
  return 0;
}

void paintScaleBar(QPainter& painter, const QRectF& strip, double pixelsPerMetre,
                   const ScaleBarStyle& style, double statedRatio) {
  const double unit = style.pixelsPerPoint;
  const double room =
      std::min((strip.width() - kLeftPoints * unit) * kShareOfStrip, kLongestPoints * unit);
  const double metres = scaleBarLength(pixelsPerMetre, room);
  if (!(metres > 0)) return;
  const double length = metres * pixelsPerMetre;
  const QRectF bar(strip.left() + kLeftPoints * unit, strip.top() + kInsetPoints * unit, length,
                   kBarPoints * unit);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(style.colour, 0.6 * unit));
  for (int i = 0; i < kSegments; ++i) {
    const QRectF segment(bar.left() + bar.width() * i / kSegments, bar.top(),
                         bar.width() / kSegments, bar.height());
    painter.setBrush(i % 2 == 0 ? style.colour : QColor(Qt::white));
    painter.drawRect(segment);
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setFont(style.font);
  const QFontMetricsF metrics(style.font);
  const QString end = QString::fromStdString(generalNumberText(metres)) + QStringLiteral(" m");
  const double textTop = bar.bottom() + unit;
  const auto textAt = [&](double centre, const QString& text) {
    const double width = metrics.horizontalAdvance(text);
    painter.drawText(QRectF(centre - width / 2, textTop, width, metrics.height()), Qt::AlignCenter,
                     text);
  };
  textAt(bar.left(), QStringLiteral("0"));
  textAt(bar.right(), end);
  if (statedRatio > 0) {
    const QString scale = QString::fromStdString(scaleText(statedRatio));
    const double left = bar.right() + metrics.horizontalAdvance(end) / 2 + 10 * unit;
    painter.drawText(QRectF(left, bar.top() - metrics.height() / 2 + bar.height() / 2,
                            metrics.horizontalAdvance(scale) + unit, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, scale);
  }
  painter.restore();
}

}  // namespace korain
