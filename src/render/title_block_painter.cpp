#include "title_block_painter.h"

#include <QFontMetricsF>
#include <QPen>

namespace korain {
namespace {

constexpr double kWidthPoints = 250;  // about 88 mm
constexpr double kRowPoints = 13;
constexpr double kPaddingPoints = 5;
constexpr int kRows = 9;  // eight lines and the scale

// Lines 3 to 5 name the ship and the drawing: they are set larger and bold.
bool isHeading(std::size_t line) { return line >= 2 && line <= 4; }

}  // namespace

QSizeF titleBlockSize(double pixelsPerPoint) {
  return {kWidthPoints * pixelsPerPoint,
          (kRows * kRowPoints + 2 * kPaddingPoints) * pixelsPerPoint};
}

void paintTitleBlock(QPainter& painter, const TitleBlock& block, QPointF corner,
                     const QString& fontName, double pixelsPerPoint) {
  const QSizeF size = titleBlockSize(pixelsPerPoint);
  const QRectF box(corner.x() - size.width(), corner.y() - size.height(), size.width(),
                   size.height());
  painter.save();
  painter.setPen(QPen(Qt::black, 1.2 * pixelsPerPoint));
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  const double row = kRowPoints * pixelsPerPoint;
  const double padding = kPaddingPoints * pixelsPerPoint;
  for (std::size_t i = 0; i <= block.Lines.size(); ++i) {
    const double top = box.top() + padding + static_cast<double>(i) * row;
    if (i > 0) {
      painter.setPen(QPen(QColor(150, 150, 150), 0.5 * pixelsPerPoint));
      painter.drawLine(QPointF(box.left(), top), QPointF(box.right(), top));
    }
    const bool scaleRow = i == block.Lines.size();
    const std::string& text = scaleRow ? block.Scale : block.Lines[i];
    QFont font(fontName);
    font.setPixelSize(static_cast<int>((isHeading(i) ? 9.5 : 8) * pixelsPerPoint));
    font.setBold(isHeading(i));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF textBox(box.left() + padding, top, box.width() - 2 * padding, row);
    const QString shown = QFontMetricsF(font).elidedText(QString::fromStdString(text),
                                                         Qt::ElideRight, textBox.width());
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, shown);
  }
  painter.restore();
}

}  // namespace korain
