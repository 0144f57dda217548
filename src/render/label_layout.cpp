// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace korain {
namespace {

// The halo reaches this far beyond the text, in points.
constexpr double kHaloPoints = 1.2;

QSizeF textSize(const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace

void LabelLayout::add(const QString& text, const QFont& font, const QColor& colour, QPointF anchor,
                      double gap, LabelRank rank) {
  const QSizeF size = textSize(text, font);
  const double w = size.width();
  const double h = size.height();
  const double x = anchor.x();
  const double y = anchor.y();
  const QPointF corners[] = {{x + gap, y - gap - h},     {x + gap, y + gap},
                             {x - gap - w, y - gap - h}, {x - gap - w, y + gap},
                             {x - w / 2, y - gap - h},   {x - w / 2, y + gap},
                             {x + gap, y - h / 2},       {x - gap - w, y - h / 2}};
  Label label{text, font, colour, {}, rank};
  for (const QPointF& corner : corners) label.places.push_back(inside(QRectF(corner, size)));
  labels_.push_back(std::move(label));
}

void LabelLayout::addCentred(const QString& text, const QFont& font, const QColor& colour,
                             QPointF centre, LabelRank rank) {
  const QSizeF size = textSize(text, font);
  Label label{text, font, colour, {}, rank};
  for (const double shift : {0.0, -1.0, 1.0}) {
    const QPointF corner(centre.x() - size.width() / 2,
                         centre.y() - size.height() / 2 + shift * size.height());
    label.places.push_back(inside(QRectF(corner, size)));
  }
  labels_.push_back(std::move(label));
}

void LabelLayout::addAlong(const QString& text, const QFont& font, const QColor& colour,
                           QLineF line, double gap, LabelRank rank) {
  const QSizeF size = textSize(text, font);
  const bool upright = std::abs(line.dy()) > std::abs(line.dx());
  // The box of an upright label stands on its end.
  const QSizeF box = upright ? size.transposed() : size;
  Label label{text, font, colour, {}, rank, upright};
  for (const double t : {0.5, 0.3, 0.7, 0.15, 0.85}) {
    const QPointF at = line.pointAt(t);
    for (const double side : {-1.0, 1.0}) {
      const QPointF centre = upright ? at + QPointF(side * (gap + box.width() / 2), 0)
                                     : at + QPointF(0, side * (gap + box.height() / 2));
      label.places.push_back(
          inside(QRectF(centre - QPointF(box.width() / 2, box.height() / 2), box)));
    }
  }
  labels_.push_back(std::move(label));
}

bool LabelLayout::drawnAnyway(const Label& label) const {
  if (label.rank == LabelRank::BulkheadName) return true;
  return policy_ == LabelPolicy::KeepAll && label.rank != LabelRank::Bracket;
}

void LabelLayout::drawText(QPainter& painter, const Label& label, const QRectF& box) {
  painter.setFont(label.font);
  painter.setPen(label.colour);
  if (!label.upright) {
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    return;
  }
  painter.save();
  painter.translate(box.center());
  painter.rotate(-90);
  const QSizeF text = box.size().transposed();
  painter.drawText(QRectF(QPointF(-text.width() / 2, -text.height() / 2), text),
                   Qt::AlignLeft | Qt::AlignVCenter, label.text);
  painter.restore();
}

PlacedLabels LabelLayout::paint(QPainter& painter, const QColor& halo) {
  // Where labels give way, the rank says which first. Where all are kept, the
  // names come first and then the labels with the fewest places, so that the
  // ones that can move (along a stiffener) move round those that cannot.
  const auto byRank = [](const Label& a, const Label& b) { return a.rank < b.rank; };
  const auto byFreedom = [](const Label& a, const Label& b) {
    const bool aName = a.rank == LabelRank::BulkheadName;
    const bool bName = b.rank == LabelRank::BulkheadName;
    if (aName != bName) return aName;
    return a.places.size() < b.places.size();
  };
  if (policy_ == LabelPolicy::KeepAll) {
    std::stable_sort(labels_.begin(), labels_.end(), byFreedom);
  } else {
    std::stable_sort(labels_.begin(), labels_.end(), byRank);
  }
  PlacedLabels placed;
  painter.save();
  for (const Label& label : labels_) {
    const auto free =
        std::find_if(label.places.begin(), label.places.end(),
                     [&](const QRectF& box) { return isFree(haloOf(box, label.upright)); });
    if (free == label.places.end() && !drawnAnyway(label)) continue;
    const QRectF box = free != label.places.end() ? *free : label.places.front();
    const QRectF haloBox = haloOf(box, label.upright);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawRect(haloBox);
    drawText(painter, label, box);
    taken_.push_back(haloBox);
    placed.push_back({label.text, haloBox, label.colour, label.rank});
  }
  painter.restore();
  return placed;
}

// The text's box moved inside the picture, its halo included; a label larger
// than the picture keeps its left and top edges in it.
QRectF LabelLayout::inside(QRectF box) const {
  const QRectF room =
      bounds_.adjusted(kHaloPoints * pixelsPerPoint_, 0, -kHaloPoints * pixelsPerPoint_, 0);
  box.moveLeft(std::max(room.left(), std::min(box.left(), room.right() - box.width())));
  box.moveTop(std::max(room.top(), std::min(box.top(), room.bottom() - box.height())));
  return box;
}

QRectF LabelLayout::haloOf(const QRectF& textBox, bool upright) const {
  const double d = kHaloPoints * pixelsPerPoint_;
  return upright ? textBox.adjusted(0, -d, 0, d) : textBox.adjusted(-d, 0, d, 0);
}

bool LabelLayout::isFree(const QRectF& halo) const {
  return std::none_of(taken_.begin(), taken_.end(),
                      [&](const QRectF& taken) { return taken.intersects(halo); });
}

}  // namespace korain
