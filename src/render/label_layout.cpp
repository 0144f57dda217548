// Placing the labels where they cover nothing, and noting those that find no room.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_layout.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

#include "label_note.h"

namespace korain {
namespace {

// The halo reaches this far beyond the text, in points.
constexpr double kHaloPoints = 1.2;
// A structure line is kept this far from a halo, in points: half the widest pen.
constexpr double kLineClearancePoints = 1.3;
// The thin line that marks a group's extent, and its ticks, in points.
constexpr double kMarkPoints = 0.35;
constexpr double kMarkTickPoints = 2.0;

// Whether any part of the line lies inside the box (Liang and Barsky's clipping).
bool crosses(const QLineF& line, const QRectF& box) {
  // Most lines lie wholly to one side of the box: they are turned away first.
  if (std::max(line.x1(), line.x2()) < box.left() || std::min(line.x1(), line.x2()) > box.right() ||
      std::max(line.y1(), line.y2()) < box.top() || std::min(line.y1(), line.y2()) > box.bottom()) {
    return false;
  }
  double enter = 0;
  double leave = 1;
  const double dx = line.dx();
  const double dy = line.dy();
  const auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter <= leave;
  };
  return clip(-dx, line.x1() - box.left()) && clip(dx, box.right() - line.x1()) &&
         clip(-dy, line.y1() - box.top()) && clip(dy, box.bottom() - line.y1());
}

QRectF boundsOf(const QLineF& line) { return QRectF(line.p1(), line.p2()).normalized(); }

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
  // The halo reaches out sideways: beside the anchor the text keeps the gap
  // plus the halo, so that the halo clears a line through the anchor.
  const double g = gap + kHaloPoints * pixelsPerPoint_;
  const QPointF corners[] = {{x + g, y - gap - h},     {x + g, y + gap},
                             {x - g - w, y - gap - h}, {x - g - w, y + gap},
                             {x - w / 2, y - gap - h}, {x - w / 2, y + gap},
                             {x + g, y - h / 2},       {x - g - w, y - h / 2}};
  Label label{text, font, colour, {}, rank};
  for (const QPointF& corner : corners) label.places.push_back({inside(QRectF(corner, size))});
  labels_.push_back(std::move(label));
}

void LabelLayout::addCentred(const QString& text, const QFont& font, const QColor& colour,
                             QPointF centre, double reach, LabelRank rank,
                             const std::vector<QPointF>& beside) {
  const QSizeF size = textSize(text, font);
  Label label{text, font, colour, {}, rank};
  addShifted(label, centre, size, reach, false);
  for (const QPointF& point : beside) {
    addShifted(label, point, size, reach, false);
    addShifted(label, point, size, reach, true);
  }
  // Last, level beyond the centre, a mark leading from the centre to it, at
  // a level within the reach.
  const double room = reach - 0.75 * size.height();
  const double half = std::isfinite(room) ? std::clamp(room, 0.0, bounds_.height()) : 0.0;
  label.group = {QLineF(centre - QPointF(0, half), centre + QPointF(0, half))};
  label.linesUpright = true;
  label.firstLeader = label.places.size();
  addLeaderPlaces(label, size, 2 * kHaloPoints * pixelsPerPoint_);
  labels_.push_back(std::move(label));
}

// The places centred on a point, then moved up and down from it in turn.
// Its edge stays a quarter of its height inside the reach, clear of the line
// there; in steps fine enough to slip between the labels around it, but
// never more than the picture holds.
void LabelLayout::addShifted(Label& label, QPointF centre, QSizeF size, double reach,
                             bool upright) const {
  const QSizeF box = upright ? size.transposed() : size;
  const double step = size.height() / 4;
  const double room = std::min(reach - 0.75 * box.height(), bounds_.height());
  constexpr int kMostSteps = 64;
  const int steps = std::isfinite(room) && room > 0 && step > 0
                        ? std::min(kMostSteps, static_cast<int>(room / step))
                        : 0;
  // A strake too low to let its text move keeps the one place at its middle:
  // moved further, the text would stand on the member bounding the strake.
  for (int k = 0; k <= steps; ++k) {
    const double shift = k * step;
    for (const double side : {-1.0, 1.0}) {
      const QPointF corner(centre.x() - box.width() / 2,
                           centre.y() - box.height() / 2 + side * shift);
      label.places.push_back({inside(QRectF(corner, box)), upright});
      if (k == 0) break;
    }
  }
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
                           const std::vector<QLineF>& further, const std::vector<QLineF>& group) {
  const QSizeF size = textSize(text, font);
  const bool upright = std::abs(line.dy()) > std::abs(line.dx());
  // The box of an upright label stands on its end.
  const QSizeF box = upright ? size.transposed() : size;
  Label label{text, font, colour, {}, rank, group.empty() ? std::vector<QLineF>{line} : group};
  label.linesUpright = upright;
  const auto addBothSides = [&](QPointF at) {
    for (const double side : {-1.0, 1.0}) {
      const QPointF centre = upright ? at + QPointF(side * (gap + box.width() / 2), 0)
                                     : at + QPointF(0, side * (gap + box.height() / 2));
      label.places.push_back(
          {inside(QRectF(centre - QPointF(box.width() / 2, box.height() / 2), box)), upright});
    }
  };
  std::vector<QLineF> lines{line};
  lines.insert(lines.end(), further.begin(), further.end());
  for (const auto places : {placesWithin, placesBeyond}) {
    for (const QLineF& along : lines) {
      for (const double t : places(along.length(), size.width())) addBothSides(along.pointAt(t));
    }
  }
  label.firstLeader = label.places.size();
  addLeaderPlaces(label, size, gap);
  labels_.push_back(std::move(label));
}

// Level text beyond the outermost of the label's lines, at one of a few
// levels along them, nearest first: the mark across the lines leads to it.
void LabelLayout::addLeaderPlaces(Label& label, QSizeF size, double gap) const {
  // Across the lines and along them, in device pixels.
  const bool upright = label.linesUpright;
  const auto across = [&](QPointF p) { return upright ? p.x() : p.y(); };
  const auto along = [&](QPointF p) { return upright ? p.y() : p.x(); };
  double low = across(label.group.front().p1());
  double high = low;
  double first = along(label.group.front().p1());
  double last = first;
  for (const QLineF& line : label.group) {
    for (const QPointF& end : {line.p1(), line.p2()}) {
      low = std::min(low, across(end));
      high = std::max(high, across(end));
      first = std::min(first, along(end));
      last = std::max(last, along(end));
    }
  }
  // The text's extent across the lines and the room beside them.
  const double extent = upright ? size.width() : size.height();
  const double room = upright ? bounds_.width() : bounds_.height();
  const double step = size.height() / 2;
  constexpr int kMostSteps = 200;
  const int steps = step > 0 ? std::min(kMostSteps, static_cast<int>(room / step)) : 0;
  const auto boxAt = [&](double acrossFrom, double level) {
    return upright ? QRectF(acrossFrom, level - size.height() / 2, size.width(), size.height())
                   : QRectF(level - size.width() / 2, acrossFrom, size.width(), size.height());
  };
  for (int k = 0; k <= steps; ++k) {
    for (const double share : {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8}) {
      const double level = first + share * (last - first);
      const double shift = gap + k * step;
      for (const QRectF& box : {boxAt(high + shift, level), boxAt(low - shift - extent, level)}) {
        if (bounds_.contains(box)) label.places.push_back({box, false});
      }
    }
  }
}

void LabelLayout::drawText(QPainter& painter, const Label& label, const Place& place) {
  const QRectF& box = place.box;
  painter.setFont(label.font);
  painter.setPen(label.colour);
  if (!place.upright) {
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
  // Where every label is kept none gives way, so the strake texts, which have
  // few places on their strake, go before the scantlings, which can move
  // along their stiffeners round them.
  const auto order = [keepAll = policy_ == LabelPolicy::KeepAll](LabelRank rank) {
    if (keepAll && rank == LabelRank::Strake) return static_cast<int>(LabelRank::Scantling);
    if (keepAll && rank == LabelRank::Scantling) return static_cast<int>(LabelRank::Strake);
    return static_cast<int>(rank);
  };
  std::stable_sort(labels_.begin(), labels_.end(),
                   [&](const Label& a, const Label& b) { return order(a.rank) < order(b.rank); });
  findNearLines();
  chosen_.assign(labels_.size(), kUnplaced);
  for (std::size_t i = 0; i < labels_.size(); ++i) place(i);
  const std::optional<Note> homeless = clearNoteCorner();
  PlacedLabels placed;
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (chosen_[i] == kUnplaced) continue;
    const Label& label = labels_[i];
    placed.push_back({label.text, haloAt(i, chosen_[i]), label.colour, label.rank,
                      label.places[chosen_[i]].upright, label.font, marksOf(i)});
  }
  painter.save();
  // The marks first, so that the halos break them where they cross a text;
  // then every halo and only then the texts, so that no halo covers a text.
  for (const PlacedLabel& label : placed) {
    painter.setPen(QPen(label.colour, kMarkPoints * pixelsPerPoint_));
    for (const QLineF& mark : label.marks) painter.drawLine(mark);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(halo);
  for (const PlacedLabel& label : placed) paintHalo(painter, label.box);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (chosen_[i] != kUnplaced) drawText(painter, labels_[i], labels_[i].places[chosen_[i]]);
  }
  if (homeless) paintNote(*homeless, placed, painter);
  painter.restore();
  return placed;
}

// The halo where no line runs through it; where one must (a name with no
// free place), the line's stroke is left out of it.
void LabelLayout::paintHalo(QPainter& painter, const QRectF& box) const {
  QPainterPath area;
  area.addRect(box);
  QPainterPathStroker stroker;
  stroker.setWidth(2 * kLineClearancePoints * pixelsPerPoint_);
  for (const QLineF& line : lines_) {
    if (!crosses(line, box)) continue;
    QPainterPath path(line.p1());
    path.lineTo(line.p2());
    area = area.subtracted(stroker.createStroke(path));
  }
  painter.drawPath(area);
}

// Whether the label at that place draws a mark: a group's, or one leading
// to a place beyond its lines.
bool LabelLayout::isMarked(std::size_t label, std::size_t place) const {
  return labels_[label].group.size() > 1 || place >= labels_[label].firstLeader;
}

// The mark's line across the label's lines at its level, from the first
// line to the last, reaching the label where it stands beyond them.
QLineF LabelLayout::markAt(std::size_t label, std::size_t place) const {
  const Label& owner = labels_[label];
  const QPointF centre = owner.places[place].box.center();
  const bool upright = owner.linesUpright;
  const auto across = [&](QPointF p) { return upright ? p.x() : p.y(); };
  double low = across(centre);
  double high = low;
  for (const QLineF& line : owner.group) {
    low = std::min(low, across(line.p1()));
    high = std::max(high, across(line.p1()));
  }
  return upright ? QLineF(low, centre.y(), high, centre.y())
                 : QLineF(centre.x(), low, centre.x(), high);
}

// The mark with a tick on each of the label's lines.
std::vector<QLineF> LabelLayout::marksOf(std::size_t label) const {
  const std::size_t place = chosen_[label];
  if (!isMarked(label, place)) return {};
  const Label& owner = labels_[label];
  const QLineF mark = markAt(label, place);
  const double tick = kMarkTickPoints * pixelsPerPoint_ / 2;
  std::vector<QLineF> marks{mark};
  for (const QLineF& line : owner.group) {
    const QPointF at =
        owner.linesUpright ? QPointF(line.x1(), mark.y1()) : QPointF(mark.x1(), line.y1());
    marks.emplace_back(at + QPointF(-tick, tick), at + QPointF(tick, -tick));
  }
  return marks;
}

// No mark runs through another label: neither a placed one's through the
// place, nor the label's own from the place through a placed one.
bool LabelLayout::crossesMark(std::size_t label, std::size_t place, const QRectF& halo) const {
  const bool marked = isMarked(label, place);
  const QLineF own = marked ? markAt(label, place) : QLineF();
  // A mark keeps clear of a text as a line of the structure does.
  const double d = kLineClearancePoints * pixelsPerPoint_;
  const QRectF clear = halo.adjusted(-d, -d, d, d);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (i == label || chosen_[i] == kUnplaced) continue;
    if (isMarked(i, chosen_[i]) && crosses(markAt(i, chosen_[i]), clear)) return true;
    if (marked && crosses(own, haloAt(i, chosen_[i]).adjusted(-d, -d, d, d))) return true;
  }
  return false;
}

// The note of the labels with no free place, in the corner of the picture
// where it covers the least of the labels, the reserved boxes and the lines.
std::optional<LabelLayout::Note> LabelLayout::note() const {
  QStringList homeless;
  const Label* first = nullptr;
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (chosen_[i] != kUnplaced) continue;
    homeless.push_back(labels_[i].text);
    if (first == nullptr) first = &labels_[i];
  }
  if (first == nullptr) return std::nullopt;
  Note result{labelNoteLines(homeless, policy_, first->font, bounds_.width() / 2),
              first->font,
              first->colour,
              {},
              2 * kHaloPoints * pixelsPerPoint_};
  const QFontMetricsF metrics(result.font);
  double width = 0;
  for (const QString& line : result.lines) {
    width = std::max(width, metrics.horizontalAdvance(line));
  }
  const QSizeF size(width + 2 * result.margin,
                    metrics.height() * static_cast<double>(result.lines.size()));
  result.box = noteBox(size, result.margin);
  return result;
}

// The labels the note would cover give way to it and join it, until it
// covers none but the names, which stay; the note then grows by their texts.
std::optional<LabelLayout::Note> LabelLayout::clearNoteCorner() {
  constexpr int kMostRounds = 4;
  std::optional<Note> result = note();
  for (int round = 0; result && round < kMostRounds; ++round) {
    bool moved = false;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
      if (chosen_[i] == kUnplaced || labels_[i].rank == LabelRank::BulkheadName) continue;
      if (haloAt(i, chosen_[i]).intersects(result->box)) {
        chosen_[i] = kUnplaced;
        moved = true;
      }
    }
    if (!moved) break;
    result = note();
  }
  return result;
}

void LabelLayout::paintNote(const Note& note, PlacedLabels& placed, QPainter& painter) const {
  const QFontMetricsF metrics(note.font);
  painter.setPen(Qt::NoPen);
  paintHalo(painter, note.box);
  painter.setFont(note.font);
  painter.setPen(note.colour);
  for (qsizetype k = 0; k < note.lines.size(); ++k) {
    const QRectF line(note.box.left() + note.margin,
                      note.box.top() + metrics.height() * static_cast<double>(k),
                      note.box.width() - 2 * note.margin, metrics.height());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, note.lines[k]);
    placed.push_back({note.lines[k], line.adjusted(-note.margin, 0, note.margin, 0), note.colour,
                      LabelRank::Note, false, note.font});
  }
}

// The corner of the picture, `margin` inside it, where a note of `size`
// covers the least of the labels, the reserved boxes and the lines.
QRectF LabelLayout::noteBox(QSizeF size, double margin) const {
  const QRectF room = bounds_.adjusted(margin, margin, -margin, -margin);
  const QPointF corners[] = {{room.left(), room.bottom() - size.height()},
                             {room.right() - size.width(), room.bottom() - size.height()},
                             {room.left(), room.top()},
                             {room.right() - size.width(), room.top()}};
  const auto cover = [&](const QRectF& box) {
    double covered = 0;
    const auto add = [&](const QRectF& other) {
      const QRectF common = other.intersected(box);
      covered += common.width() * common.height();
    };
    for (std::size_t i = 0; i < labels_.size(); ++i) {
      if (chosen_[i] != kUnplaced) add(haloAt(i, chosen_[i]));
    }
    std::for_each(taken_.begin(), taken_.end(), add);
    // A line counts as much as a pixel square of another label.
    for (const QLineF& line : lines_) covered += crosses(line, box) ? 1 : 0;
    return covered;
  };
  QRectF best(corners[0], size);
  double least = cover(best);
  for (const QPointF& corner : corners) {
    const QRectF box(corner, size);
    if (const double covered = cover(box); covered < least) {
      best = box;
      least = covered;
    }
  }
  return best;
}

void LabelLayout::findNearLines() {
  const double clearance = kLineClearancePoints * pixelsPerPoint_;
  nearLines_.assign(labels_.size(), {});
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    QRectF reach;
    for (std::size_t p = 0; p < labels_[i].places.size(); ++p) reach |= haloAt(i, p);
    reach.adjust(-clearance, -clearance, clearance, clearance);
    for (std::size_t k = 0; k < lines_.size(); ++k) {
      if (boundsOf(lines_[k]).intersects(reach) || crosses(lines_[k], reach)) {
        nearLines_[i].push_back(k);
      }
    }
  }
}

// Names are always drawn, if need be where the others cover them least;
// every other label has a free place or goes into the note.
void LabelLayout::place(std::size_t label) {
  if (const auto free = firstFree(label)) {
    chosen_[label] = *free;
    return;
  }
  for (std::size_t p = 0; p < labels_[label].places.size() && roomMoves_ > 0; ++p) {
    if (makeRoom(label, p)) return;
  }
  if (labels_[label].rank == LabelRank::BulkheadName) chosen_[label] = leastCovered(label);
}

bool LabelLayout::isFree(std::size_t label, std::size_t place) const {
  const QRectF halo = haloAt(label, place);
  return !isReserved(halo) && !crossesLine(label, halo) && !markCrossesText(label, place) &&
         placedUnder(halo).empty() && !crossesMark(label, place, halo);
}

// Whether the label's mark at the place runs through a text of the drawing's
// own (a dimension's, the legend).
bool LabelLayout::markCrossesText(std::size_t label, std::size_t place) const {
  if (!isMarked(label, place)) return false;
  const QLineF mark = markAt(label, place);
  return std::any_of(texts_.begin(), texts_.end(),
                     [&](const QRectF& text) { return crosses(mark, text); });
}

std::optional<std::size_t> LabelLayout::firstFree(std::size_t label) const {
  for (std::size_t p = 0; p < labels_[label].places.size(); ++p) {
    if (isFree(label, p)) return p;
  }
  return std::nullopt;
}

// Takes the place if the few labels under it each have another free place,
// and moves them there; otherwise leaves everything as it was. Names stay
// where they are.
bool LabelLayout::makeRoom(std::size_t label, std::size_t place) {
  constexpr std::size_t kMostMoved = 4;
  const QRectF halo = haloAt(label, place);
  if (isReserved(halo) || crossesLine(label, halo) || markCrossesText(label, place)) return false;
  const std::vector<std::size_t> under = placedUnder(halo);
  if (under.size() > kMostMoved) return false;
  const bool nameUnder = std::any_of(under.begin(), under.end(), [&](std::size_t i) {
    return labels_[i].rank == LabelRank::BulkheadName;
  });
  if (nameUnder) return false;
  --roomMoves_;
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

QRectF LabelLayout::haloOf(const Place& place) const {
  const double d = kHaloPoints * pixelsPerPoint_;
  return place.upright ? place.box.adjusted(0, -d, 0, d) : place.box.adjusted(-d, 0, d, 0);
}

QRectF LabelLayout::haloAt(std::size_t label, std::size_t place) const {
  return haloOf(labels_[label].places[place]);
}

bool LabelLayout::isReserved(const QRectF& halo) const {
  return std::any_of(taken_.begin(), taken_.end(),
                     [&](const QRectF& taken) { return taken.intersects(halo); });
}

bool LabelLayout::crossesLine(std::size_t label, const QRectF& halo) const {
  const double d = kLineClearancePoints * pixelsPerPoint_;
  const QRectF clear = halo.adjusted(-d, -d, d, d);
  return std::any_of(nearLines_[label].begin(), nearLines_[label].end(),
                     [&](std::size_t k) { return crosses(lines_[k], clear); });
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
