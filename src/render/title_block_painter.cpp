// Laying out and painting the title block's lines, its makers' cells and the scale.
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
constexpr double kValuePoints = 8;
constexpr std::size_t kCellsPerRow = 2;
constexpr std::size_t kScaleRow = 8;

// Lines 3 to 5 name the ship and the drawing: they are set larger and bold.
bool isHeading(std::size_t line) { return line >= 2 && line <= 4; }

double rowHeight(const TitleLineFit& fit, double pixelsPerPoint) {
  const double lines =
      QFontMetricsF(fit.font).lineSpacing() * static_cast<double>(fit.lines.size());
  return std::max(kRowPoints * pixelsPerPoint, lines + 2 * pixelsPerPoint);
}

// A cell of the makers: its label small over its value, in one column of the row.
double cellTextWidth(double pixelsPerPoint) {
  return (kWidthPoints / kCellsPerRow - 2 * kPaddingPoints) * pixelsPerPoint;
}

QFont labelFont(const QString& fontName, double pixelsPerPoint) {
  QFont font(fontName);
  font.setPixelSize(std::max(1, static_cast<int>(kSmallestTitlePoints * pixelsPerPoint)));
  return font;
}

TitleLineFit fitCellValue(const TitleBlockCell& cell, const QString& fontName,
                          double pixelsPerPoint) {
  return fitTitleLine(QString::fromStdString(cell.Value), QFont(fontName), kValuePoints,
                      cellTextWidth(pixelsPerPoint), pixelsPerPoint);
}

double cellHeight(const TitleBlockCell& cell, const QString& fontName, double pixelsPerPoint) {
  const double label = QFontMetricsF(labelFont(fontName, pixelsPerPoint)).lineSpacing();
  return label + rowHeight(fitCellValue(cell, fontName, pixelsPerPoint), pixelsPerPoint);
}

// The cells of each row of the makers. A cell left over stands alone on the
// first row, so that the last pair of the makers (drawn and checked by) stays together.
std::vector<std::vector<TitleBlockCell>> cellRows(const TitleBlock& block) {
  std::vector<std::vector<TitleBlockCell>> rows;
  const std::size_t alone = block.Cells.size() % kCellsPerRow;
  for (std::size_t i = 0; i < block.Cells.size(); ++i) {
    if (i < alone || (i - alone) % kCellsPerRow == 0) rows.emplace_back();
    rows.back().push_back(block.Cells[i]);
  }
  return rows;
}

double cellRowHeight(const std::vector<TitleBlockCell>& row, const QString& fontName,
                     double pixelsPerPoint) {
  double height = 0;
  for (const TitleBlockCell& cell : row) {
    height = std::max(height, cellHeight(cell, fontName, pixelsPerPoint));
  }
  return height;
}

// Paints the block's rows, each under the one before, with a rule between them.
class RowPainter {
 public:
  RowPainter(QPainter& painter, const QRectF& box, const QString& fontName, double pixelsPerPoint)
      : painter_(painter),
        box_(box),
        fontName_(fontName),
        unit_(pixelsPerPoint),
        top_(box.top() + kPaddingPoints * pixelsPerPoint) {}

  void line(const QString& text, std::size_t index) {
    const TitleLineFit fit = fitTitleBlockLine(text, index, fontName_, unit_);
    const double height = rowHeight(fit, unit_);
    if (index > 0) rule(box_.left(), box_.right());
    drawText(fit.font, textBox(box_.left(), box_.width(), height), fit.lines.join('\n'));
    top_ += height;
  }

  void cells(const std::vector<TitleBlockCell>& row) {
    const double height = cellRowHeight(row, fontName_, unit_);
    const double width = box_.width() / kCellsPerRow;
    rule(box_.left(), box_.right());
    for (std::size_t i = 0; i < row.size(); ++i) {
      const double left = box_.left() + width * static_cast<double>(i);
      if (i > 0) divider(left, height);
      cell(row[i], textBox(left, width, height));
    }
    top_ += height;
  }

 private:
  QRectF textBox(double left, double width, double height) const {
    const double padding = kPaddingPoints * unit_;
    return {left + padding, top_, width - 2 * padding, height};
  }

  void cell(const TitleBlockCell& cell, const QRectF& box) {
    const QFont label = labelFont(fontName_, unit_);
    const double labelHeight = QFontMetricsF(label).lineSpacing();
    painter_.setPen(QColor(90, 90, 90));
    painter_.setFont(label);
    painter_.drawText(box.adjusted(0, unit_, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      QString::fromStdString(cell.Label));
    const TitleLineFit value = fitCellValue(cell, fontName_, unit_);
    drawText(value.font, box.adjusted(0, labelHeight, 0, 0), value.lines.join('\n'));
  }

  void drawText(const QFont& font, const QRectF& box, const QString& text) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
  }

  void rule(double left, double right) {
    painter_.setPen(QPen(QColor(150, 150, 150), 0.5 * unit_));
    painter_.drawLine(QPointF(left, top_), QPointF(right, top_));
  }

  void divider(double x, double height) {
    painter_.setPen(QPen(QColor(150, 150, 150), 0.5 * unit_));
    painter_.drawLine(QPointF(x, top_), QPointF(x, top_ + height));
  }

  QPainter& painter_;
  QRectF box_;
  QString fontName_;
  double unit_;
  double top_;
};

}  // namespace

double titleLineWidthPoints() { return kWidthPoints - 2 * kPaddingPoints; }

TitleLineFit fitTitleBlockLine(const QString& text, std::size_t line, const QString& fontName,
                               double pixelsPerPoint) {
  QFont font(fontName);
  font.setBold(isHeading(line));
  return fitTitleLine(text, font, isHeading(line) ? 9.5 : kValuePoints,
                      titleLineWidthPoints() * pixelsPerPoint, pixelsPerPoint);
}

QSizeF titleBlockSize(const TitleBlock& block, const QString& fontName, double pixelsPerPoint) {
  const auto lineHeight = [&](const std::string& text, std::size_t index) {
    return rowHeight(
        fitTitleBlockLine(QString::fromStdString(text), index, fontName, pixelsPerPoint),
        pixelsPerPoint);
  };
  double height = 2 * kPaddingPoints * pixelsPerPoint;
  for (std::size_t i = 0; i < block.Lines.size(); ++i) height += lineHeight(block.Lines[i], i);
  for (const auto& row : cellRows(block)) height += cellRowHeight(row, fontName, pixelsPerPoint);
  height += lineHeight(block.Scale, kScaleRow);
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
  RowPainter rows(painter, box, fontName, pixelsPerPoint);
  for (std::size_t i = 0; i < block.Lines.size(); ++i) {
    rows.line(QString::fromStdString(block.Lines[i]), i);
  }
  for (const auto& row : cellRows(block)) rows.cells(row);
  rows.line(QString::fromStdString(block.Scale), kScaleRow);
  painter.restore();
}

}  // namespace korain
