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
                             QPointF centre, double reach, LabelRank rank) {
  const QSizeF size = textSize(text, font);
  Label label{text, font, colour, {}, rank};
  // Its edge stays a quarter of its height inside the reach, clear of the
  // line there; in steps fine enough to slip between the labels around it,
  // but never more than the picture holds.
  const double step = size.height() / 4;
  const double room = std::min(reach - 0.75 * size.height(), bounds_.height());
  constexpr int kMostSteps = 64;
  const int steps = std::isfinite(room) && room > 0 && step > 0
                        ? std::min(kMostSteps, static_cast<int>(room / step))
                        : 0;
  // A strake too low to let its text move keeps the one place at its middle:
  // moved further, the text would stand on the member bounding the strake.
  for (int k = 0; k <= steps; ++k) {
    const double shift = k * step;
    for (const double side : {-1.0, 1.0}) {
      const QPointF corner(centre.x() - size.width() / 2,
                           centre.y() - size.height() / 2 + side * shift);
      label.places.push_back(inside(QRectF(corner, size)));
      if (k == 0) break;
    }
  }
  labels_.push_back(std::move(label));
}

namespace {

// How far from the middle of a line of `length`, as a share of it, a label of
// `textLength` may move and still stand wholly beside the line.
double slackOf(double length, double textLength) {
  return length > 0 ? std::max(0.0, (length - textLength) / 2) / length : 0.0;
}

// Where along a line a label is tried within it: at the middle, then in steps
// towards either end until it stands flush with that end.
std::vector<double> placesWithin(double length, double textLength) {
  const double slack = slackOf(length, textLength);
  std::vector<double> result{0.5};
  constexpr int kSteps = 3;
  for (int k = 1; k <= kSteps && slack > 0; ++k) {
    result.push_back(0.5 - slack * k / kSteps);
    result.push_back(0.5 + slack * k / kSteps);
  }
  return result;
}

// The places that reach out past the line's ends, for a text longer than the line.
std::vector<double> placesBeyond(double length, double textLength) {
  const double slack = slackOf(length, textLength);
  std::vector<double> result;
  for (const double t : {0.3, 0.7, 0.15, 0.85}) {
    if (std::abs(t - 0.5) > slack) result.push_back(t);
  }
  return result;
}

}  // namespace

// Every place within a line, its own first, comes before any that reaches
// past a line's end, where the text would cover what bounds the span.
void LabelLayout::addAlong(const QString& text, const QFont& font, const QColor& colour,
                           QLineF line, double gap, LabelRank rank,
                           const std::vector<QLineF>& further) {
  const QSizeF size = textSize(text, font);
  const bool upright = std::abs(line.dy()) > std::abs(line.dx());
  // The box of an upright label stands on its end.
  const QSizeF box = upright ? size.transposed() : size;
  Label label{text, font, colour, {}, rank, upright};
  const auto addBothSides = [&](QPointF at) {
    for (const double side : {-1.0, 1.0}) {
      const QPointF centre = upright ? at + QPointF(side * (gap + box.width() / 2), 0)
                                     : at + QPointF(0, side * (gap + box.height() / 2));
      label.places.push_back(
          inside(QRectF(centre - QPointF(box.width() / 2, box.height() / 2), box)));
    }
  };
  std::vector<QLineF> lines{line};
  lines.insert(lines.end(), further.begin(), further.end());
  for (const auto places : {placesWithin, placesBeyond}) {
    for (const QLineF& along : lines) {
      for (const double t : places(along.length(), size.width())) addBothSides(along.pointAt(t));
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
  // Where every label is kept none gives way, so the strake texts, which can
  // only move up and down their strake, go before the scantlings, which can
  // move along their stiffeners round them.
  const auto order = [keepAll = policy_ == LabelPolicy::KeepAll](LabelRank rank) {
    if (keepAll && rank == LabelRank::Strake) return static_cast<int>(LabelRank::Scantling);
    if (keepAll && rank == LabelRank::Scantling) return static_cast<int>(LabelRank::Strake);
    return static_cast<int>(rank);
  };
  std::stable_sort(labels_.begin(), labels_.end(),
                   [&](const Label& a, const Label& b) { return order(a.rank) < order(b.rank); });
  chosen_.assign(labels_.size(), kUnplaced);
  for (std::size_t i = 0; i < labels_.size(); ++i) place(i);
  PlacedLabels placed;
  painter.save();
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (chosen_[i] == kUnplaced) continue;
    const Label& label = labels_[i];
    const QRectF haloBox = haloAt(i, chosen_[i]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawRect(haloBox);
    drawText(painter, label, label.places[chosen_[i]]);
    placed.push_back({label.text, haloBox, label.colour, label.rank, label.upright, label.font});
  }
  painter.restore();
  return placed;
}

void LabelLayout::place(std::size_t label) {
  if (const auto free = firstFree(label)) {
    chosen_[label] = *free;
    return;
  }
  for (std::size_t p = 0; p < labels_[label].places.size(); ++p) {
    if (makeRoom(label, p)) return;
  }
  if (drawnAnyway(labels_[label])) chosen_[label] = leastCovered(label);
}

std::optional<std::size_t> LabelLayout::firstFree(std::size_t label) const {
  for (std::size_t p = 0; p < labels_[label].places.size(); ++p) {
    const QRectF halo = haloAt(label, p);
    if (!isReserved(halo) && placedUnder(halo).empty()) return p;
  }
  return std::nullopt;
}

// Takes the place if the few labels under it each have another free place,
// and moves them there; otherwise leaves everything as it was. Names stay
// where they are.
bool LabelLayout::makeRoom(std::size_t label, std::size_t place) {
  constexpr std::size_t kMostMoved = 4;
  const QRectF halo = haloAt(label, place);
  if (isReserved(halo)) return false;
  const std::vector<std::size_t> under = placedUnder(halo);
  if (under.size() > kMostMoved) return false;
  const bool nameUnder = std::any_of(under.begin(), under.end(), [&](std::size_t i) {
    return labels_[i].rank == LabelRank::BulkheadName;
  });
  if (nameUnder) return false;
  const std::vector<std::size_t> before = chosen_;
  chosen_[label] = place;
  const bool allMoved =
      std::all_of(under.begin(), under.end(), [&](std::size_t moved) { return moveAway(moved); });
  if (!allMoved) chosen_ = before;
  return allMoved;
}

// Moves a placed label to its first place free of all the others.
bool LabelLayout::moveAway(std::size_t label) {
  chosen_[label] = kUnplaced;
  const auto elsewhere = firstFree(label);
  if (elsewhere) chosen_[label] = *elsewhere;
  return elsewhere.has_value();
}

std::size_t LabelLayout::leastCovered(std::size_t label) const {
  std::size_t best = 0;
  double bestCover = coverOf(haloAt(label, 0));
  for (std::size_t p = 1; p < labels_[label].places.size(); ++p) {
    const double cover = coverOf(haloAt(label, p));
    if (cover < bestCover) {
      best = p;
      bestCover = cover;
    }
  }
  return best;
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

QRectF LabelLayout::haloAt(std::size_t label, std::size_t place) const {
  return haloOf(labels_[label].places[place], labels_[label].upright);
}

bool LabelLayout::isReserved(const QRectF& halo) const {
  return std::any_of(taken_.begin(), taken_.end(),
                     [&](const QRectF& taken) { return taken.intersects(halo); });
}

std::vector<std::size_t> LabelLayout::placedUnder(const QRectF& halo) const {
  std::vector<std::size_t> result;
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (chosen_[i] != kUnplaced && haloAt(i, chosen_[i]).intersects(halo)) result.push_back(i);
  }
  return result;
}

// The area of the halo that reserved boxes and placed labels cover.
double LabelLayout::coverOf(const QRectF& halo) const {
  double cover = 0;
  const auto add = [&](const QRectF& other) {
    const QRectF common = other.intersected(halo);
    cover += common.width() * common.height();
  };
  std::for_each(taken_.begin(), taken_.end(), add);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (chosen_[i] != kUnplaced) add(haloAt(i, chosen_[i]));
  }
  return cover;
}

}  // namespace korain
