// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_block_painter.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <vector>

namespace korain {
namespace {

constexpr double kWidthPoints = 250;  // about 88 mm
constexpr double kRowPoints = 13;
constexpr double kPaddingPoints = 5;

// Lines 3 to 5 name the ship and the drawing: they are set larger and bold.
bool isHeading(std::size_t line) { return line >= 2 && line <= 4; }

// The text of each row: the eight lines, then the scale.
std::vector<QString> rowTexts(const TitleBlock& block) {
  std::vector<QString> rows;
  for (const std::string& line : block.Lines) rows.push_back(QString::fromStdString(line));
  rows.push_back(QString::fromStdString(block.Scale));
  return rows;
}

double rowHeight(const TitleLineFit& fit, double pixelsPerPoint) {
  const double lines =
      QFontMetricsF(fit.font).lineSpacing() * static_cast<double>(fit.lines.size());
  return std::max(kRowPoints * pixelsPerPoint, lines + 2 * pixelsPerPoint);
}

}  // namespace

double titleLineWidthPoints() { return kWidthPoints - 2 * kPaddingPoints; }

TitleLineFit fitTitleBlockLine(const QString& text, std::size_t line, const QString& fontName,
                               double pixelsPerPoint) {
  QFont font(fontName);
  font.setBold(isHeading(line));
  return fitTitleLine(text, font, isHeading(line) ? 9.5 : 8,
                      titleLineWidthPoints() * pixelsPerPoint, pixelsPerPoint);
}

QSizeF titleBlockSize(const TitleBlock& block, const QString& fontName, double pixelsPerPoint) {
  double height = 2 * kPaddingPoints * pixelsPerPoint;
  const std::vector<QString> rows = rowTexts(block);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    height += rowHeight(fitTitleBlockLine(rows[i], i, fontName, pixelsPerPoint), pixelsPerPoint);
  }
  return {kWidthPoints * pixelsPerPoint, height};
}

void paintTitleBlock(QPainter& painter, const TitleBlock& block, QPointF corner,
                     const QString& fontName, double pixelsPerPoint) {
  const QSizeF size = titleBlockSize(block, fontName, pixelsPerPoint);
  const QRectF box(corner.x() - size.width(), corner.y() - size.height(), size.width(),
                   size.height());
  painter.save();
  painter.setPen(QPen(Qt::black, 1.2 * pixelsPerPoint));
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  const double padding = kPaddingPoints * pixelsPerPoint;
  const std::vector<QString> rows = rowTexts(block);
  double top = box.top() + padding;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TitleLineFit fit = fitTitleBlockLine(rows[i], i, fontName, pixelsPerPoint);
    const double row = rowHeight(fit, pixelsPerPoint);
    if (i > 0) {
      painter.setPen(QPen(QColor(150, 150, 150), 0.5 * pixelsPerPoint));
      painter.drawLine(QPointF(box.left(), top), QPointF(box.right(), top));
    }
    painter.setFont(fit.font);
    painter.setPen(Qt::black);
    const QRectF textBox(box.left() + padding, top, box.width() - 2 * padding, row);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, fit.lines.join('\n'));
    top += row;
  }
  painter.restore();
}

}  // namespace korain
