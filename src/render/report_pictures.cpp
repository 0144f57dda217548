// Painting the report's logo and the picture of each bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

#include "drawing_sheet.h"
#include "inch_units.h"

namespace korain {
namespace {

const QColor kNavy(24, 39, 66);
constexpr int kReportMarginPercent = 10;
const QColor kBlue(0, 94, 184);

// The outline of a hold bulkhead in a unit box (0..1 both ways, y down).
QPainterPath holdOutline(const QRectF& box) {
  auto at = [&](double x, double y) {
    return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
  };
  QPainterPath path(at(0.0, 0.0));
  path.lineTo(at(0.62, 0.0));
  path.lineTo(at(0.62, 0.1));
  path.lineTo(at(1.0, 0.3));
  path.lineTo(at(1.0, 0.62));
  path.lineTo(at(0.7, 0.92));
  path.quadTo(at(0.66, 1.0), at(0.58, 1.0));
  path.lineTo(at(0.0, 1.0));
  return path;
}

}  // namespace

void paintLogo(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  // Laid out for a mark of height 1, then scaled to fit the box and centred.
  QFont name(QStringLiteral("DejaVu Sans"));
  name.setBold(true);
  name.setPixelSize(100);
  QFont tagline(QStringLiteral("DejaVu Sans"));
  tagline.setPixelSize(30);
  const QString nameText = QStringLiteral("KORAIN");
  const QString taglineText = QStringLiteral("Transverse bulkhead arrangements");
  const double textWidth = std::max(QFontMetricsF(name).horizontalAdvance(nameText),
                                    QFontMetricsF(tagline).horizontalAdvance(taglineText)) /
                           240;
  const double unitWidth = 0.8 + 0.25 + textWidth;  // mark, gap, text: in mark heights
  const double side = std::min(box.height() * 0.9, box.width() * 0.9 / unitWidth);
  const double left = box.center().x() - unitWidth * side / 2;
  const QRectF mark(left, box.top() + (box.height() - side) / 2, side * 0.8, side);

  QLinearGradient plating(mark.topLeft(), mark.bottomLeft());
  plating.setColorAt(0, QColor(214, 228, 245));
  plating.setColorAt(1, QColor(170, 196, 230));
  painter.setBrush(plating);
  painter.setPen(QPen(kNavy, side * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(holdOutline(mark));
  painter.setClipPath(holdOutline(mark));
  painter.setPen(QPen(kBlue, side * 0.012));
  for (int i = 1; i < 8; ++i) {
    const double x = mark.left() + mark.width() * i / 8.0;
    painter.drawLine(QPointF(x, mark.top()), QPointF(x, mark.bottom()));
  }
  painter.setPen(QPen(QColor(120, 28, 28), side * 0.03));
  for (const double y : {0.4, 0.7}) {
    painter.drawLine(QPointF(mark.left(), mark.top() + y * side),
                     QPointF(mark.right(), mark.top() + y * side));
  }
  painter.setClipping(false);

  const QRectF text(mark.right() + side * 0.25, mark.top(), textWidth * side, side * 0.62);
  name.setPixelSize(std::max(1, static_cast<int>(side * 100 / 240)));
  painter.setFont(name);
  painter.setPen(kNavy);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, nameText);
  tagline.setPixelSize(std::max(1, static_cast<int>(side * 30 / 240)));
  painter.setFont(tagline);
  painter.setPen(kBlue);
  painter.drawText(
      QRectF(text.left(), text.bottom() + side * 0.05, text.width() * 1.1, side * 0.25),
      Qt::AlignLeft | Qt::AlignTop, taglineText);
  painter.restore();
}

PaintedSheet paintBulkheadPicture(QPainter& painter, const DrawingScene& scene, int bulkhead,
                                  const QRectF& box) {
  if (!scene.arrangement.Bulkheads.inBounds(bulkhead)) return {};
  Arrangement alone = scene.arrangement;
  alone.Bulkheads.redim(1);
  alone.Bulkheads.at(1) = scene.arrangement.Bulkheads.at(bulkhead);
  alone.CurBulkhead = 0;
  DisplayOptions options = scene.options;
  options.DisplayWord = display_bit::kAxis | display_bit::kStools | display_bit::kPrimaryMembers |
                        display_bit::kStiffeners | display_bit::kStrakes |
                        display_bit::kCorrugation;
  options.CheckMode = kNoCheck;
  // A wider margin than on screen: the name stands above the contour and the
  // axis values beside it, all inside the picture's frame.
  DisplayConfig labels = scene.labels;
  labels.Margin = kReportMarginPercent;
  const DrawingScene single{alone, scene.section, scene.ship, options, labels};
  const double dotsPerInch = painter.device()->logicalDpiX();
  const SheetRequest request{.titleBlock = {},
                             .scaleRatio = 0,
                             .labels = LabelPolicy::CountForTables,
                             .window = {},
                             .extent = bulkheadExtent(scene.arrangement, bulkhead)};
  PaintedSheet painted{.layout = layOutSheet(box, dotsPerInch, request, single),
                       .labels = paintDrawingSheet(painter, box, dotsPerInch, request, single)};
  painter.setPen(QPen(QColor(160, 160, 160), dotsPerInch / kPointsPerInch * 0.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
  return painted;
}

PicturePainter reportPicturePainter(const DrawingScene& scene) {
  return [&scene](QPainter& painter, const ReportPicture& picture, const QRectF& box) {
    if (picture.kind == ReportPicture::Kind::Logo) {
      paintLogo(painter, box);
    } else {
      paintBulkheadPicture(painter, scene, picture.bulkhead, box);
    }
  };
}

}  // namespace korain
