#include "label_layout.h"

#include <QFontMetricsF>
#include <array>

namespace korain {

bool LabelLayout::place(const QString& text, const QFont& font, QPointF anchor, double gap,
                        WhenCrowded crowded) {
  const QFontMetricsF metrics(font);
  const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
  const std::array<QPointF, 4> corners{
      QPointF(anchor.x() + gap, anchor.y() - gap - size.height()),
      QPointF(anchor.x() + gap, anchor.y() + gap),
      QPointF(anchor.x() - gap - size.width(), anchor.y() - gap - size.height()),
      QPointF(anchor.x() - gap - size.width(), anchor.y() + gap)};
  for (const QPointF& corner : corners) {
    const QRectF box(corner, size);
    if (!isFree(box)) continue;
    draw(text, font, box);
    return true;
  }
  if (crowded == WhenCrowded::LeaveOut) return false;
  draw(text, font, QRectF(corners[0], size));
  return true;
}

bool LabelLayout::placeCentred(const QString& text, const QFont& font, QPointF centre) {
  const QFontMetricsF metrics(font);
  const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
  const QRectF box(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                   size.height());
  if (!isFree(box)) return false;
  draw(text, font, box);
  return true;
}

bool LabelLayout::isFree(const QRectF& box) const {
  for (const QRectF& taken : taken_) {
    if (taken.intersects(box)) return false;
  }
  return true;
}

void LabelLayout::draw(const QString& text, const QFont& font, const QRectF& box) {
  painter_.setFont(font);
  painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
  taken_.push_back(box);
}

}  // namespace korain
