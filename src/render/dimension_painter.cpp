// Laying out and painting the dimension chains, and the room they need beside the drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dimension_painter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "view/dimension_chains.h"
#include "world_drawing.h"

namespace korain {
namespace {

// Distances in heights of the dimension text.
constexpr double kFirstGap = 1.0;      // from the bulkhead to its first dimension line
constexpr double kChainGap = 0.8;      // from one chain's outermost text to the next line
constexpr double kExtensionGap = 0.3;  // an extension line stops short of what it measures
constexpr double kOvershoot = 0.25;    // and runs on past its dimension line
constexpr double kTick = 0.3;          // half the length of a tick
constexpr double kTextGap = 0.4;       // between a dimension line and its first row of texts
constexpr double kRowGap = 0.2;        // between rows of texts
// Rows of texts a chain takes at most: spacings too short for their texts
// in as many rows are beyond reading at any scale.
constexpr std::size_t kMostRows = 4;
using LastInRow = std::array<std::optional<QRectF>, kMostRows>;
constexpr double kTextRoom = 0.4;  // kept free along a row between two texts
constexpr double kLinePoints = 0.3;
// The capitals of a text take about this share of its line's height.
constexpr double kCapHeightShare = 0.7;
constexpr double kQuarterTurn = 90;

// A chain's own frame: `along` its dimension line, `across` it, growing
// away from the bulkhead by `outward` (+1 or -1) in device pixels.
struct ChainFrame {
  bool horizontal = true;  // a bottom chain; a side chain's line is upright
  double outward = 1;

  QPointF at(double along, double across) const {
    return horizontal ? QPointF(along, across) : QPointF(across, along);
  }
  QLineF line(double along1, double across1, double along2, double across2) const {
    return {at(along1, across1), at(along2, across2)};
  }
  QRectF box(double alongCentre, double alongLength, double acrossFrom, double acrossLength) const {
    const double across = outward > 0 ? acrossFrom : acrossFrom - acrossLength;
    const double along = alongCentre - alongLength / 2;
    return horizontal ? QRectF(along, across, alongLength, acrossLength)
                      : QRectF(across, along, acrossLength, alongLength);
  }
};

struct Layout {
  const QTransform& toDevice;
  QFont font;
  double height;  // of a text line
  DimensionFigure figure;

  double along(ChainSide side, double station) const {
    const QPointF p = side == ChainSide::Bottom ? toDevice.map(QPointF(station, 0))
                                                : toDevice.map(QPointF(0, station));
    return side == ChainSide::Bottom ? p.x() : p.y();
  }

  // The text's box in the first row beyond the line where it keeps clear of
  // the row's last text (a row's texts follow the chain in order), else in
  // the outermost row; the across-coordinate it reaches.
  double placeText(const QString& text, double centre, const ChainFrame& frame, double line,
                   LastInRow& rows) {
    const double length = QFontMetricsF(font).horizontalAdvance(text);
    const double room = kTextRoom * height;
    const auto acrossOf = [&](std::size_t row) {
      return line + frame.outward *
                        (kTextGap * height + static_cast<double>(row) * height * (1 + kRowGap));
    };
    const auto boxIn = [&](std::size_t row) {
      return frame.box(centre, length, acrossOf(row), height);
    };
    std::size_t row = 0;
    while (row + 1 < kMostRows && rows.at(row) &&
           rows.at(row)->intersects(boxIn(row).adjusted(-room, -room, room, room))) {
      ++row;
    }
    rows.at(row) = boxIn(row);
    figure.texts.push_back({text, boxIn(row), !frame.horizontal});
    return acrossOf(row) + frame.outward * height;
  }

  // The texts of one chain in the rows beyond its line; the outermost
  // across-coordinate they reach.
  double placeTexts(const DimensionChain& chain, const ChainFrame& frame, double line) {
    LastInRow rows{};
    double reach = line + frame.outward * (kOvershoot * height);
    for (const SpacingGroup& group : chain.groups) {
      const double from = along(chain.side, chain.stations[group.first]);
      const double to = along(chain.side, chain.stations[group.first + group.count]);
      const double edge =
          placeText(QString::fromStdString(group.text), (from + to) / 2, frame, line, rows);
      reach = frame.outward > 0 ? std::max(reach, edge) : std::min(reach, edge);
    }
    return reach;
  }

  // One chain with its line at `line`, its extension lines from `start`;
  // the outermost across-coordinate it reaches.
  double addChain(const DimensionChain& chain, const ChainFrame& frame, double start, double line) {
    const double tick = kTick * height;
    std::vector<double> stations;
    for (const double s : chain.stations) stations.push_back(along(chain.side, s));
    const auto [low, high] = std::minmax_element(stations.begin(), stations.end());
    figure.lines.push_back(frame.line(*low - tick, line, *high + tick, line));
    const double overshoot = line + frame.outward * kOvershoot * height;
    for (const double s : stations) {
      figure.lines.push_back(frame.line(s, start, s, overshoot));
      // An oblique tick, the same slant on every chain.
      const double slant = frame.horizontal ? 1 : -1;
      figure.lines.push_back(
          frame.line(s - tick, line + slant * tick, s + tick, line - slant * tick));
    }
    return placeTexts(chain, frame, line);
  }

  // The chains of one side, nearest first, outward from `base`.
  void addSide(const std::vector<const DimensionChain*>& chains, const ChainFrame& frame,
               double base) {
    if (!std::isfinite(base)) return;
    double start = base + frame.outward * kExtensionGap * height;
    double line = base + frame.outward * kFirstGap * height;
    for (const DimensionChain* chain : chains) {
      const double reach = addChain(*chain, frame, start, line);
      start = reach + frame.outward * kExtensionGap * height;
      line = reach + frame.outward * kChainGap * height;
    }
  }

  void addBulkhead(const Bulkhead& bulkhead) {
    const std::vector<DimensionChain> chains = dimensionChains(bulkhead);
    std::vector<const DimensionChain*> bottom;
    std::vector<const DimensionChain*> side;
    for (const DimensionChain& chain : chains) {
      (chain.side == ChainSide::Bottom ? bottom : side).push_back(&chain);
    }
    // The outer side is the one farther from the centre line.
    const bool starboard = std::abs(bulkhead.YMax) >= std::abs(bulkhead.YMin);
    const QPointF lowest = toDevice.map(QPointF(0, bulkhead.ZMin));
    const QPointF outer = toDevice.map(QPointF(starboard ? bulkhead.YMax : bulkhead.YMin, 0));
    const QPointF inner = toDevice.map(QPointF(starboard ? bulkhead.YMin : bulkhead.YMax, 0));
    const QPointF highest = toDevice.map(QPointF(0, bulkhead.ZMax));
    addSide(bottom, {.horizontal = true, .outward = lowest.y() >= highest.y() ? 1.0 : -1.0},
            lowest.y());
    addSide(side, {.horizontal = false, .outward = outer.x() >= inner.x() ? 1.0 : -1.0}, outer.x());
  }
};

std::vector<const Bulkhead*> dimensionedBulkheads(const Arrangement& arrangement) {
  std::vector<const Bulkhead*> bulkheads;
  if (arrangement.Bulkheads.inBounds(arrangement.CurBulkhead)) {
    bulkheads.push_back(&arrangement.Bulkheads.at(arrangement.CurBulkhead));
    return bulkheads;
  }
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) bulkheads.push_back(&bulkhead);
  return bulkheads;
}

QRectF boundsOf(const DimensionFigure& figure) {
  QRectF bounds;
  for (const QLineF& line : figure.lines) {
    bounds = bounds.united(QRectF(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1));
  }
  for (const DimensionText& text : figure.texts) bounds = bounds.united(text.box);
  return bounds;
}

// A dimension line's thin band, kept free of labels.
QRectF lineBand(const QLineF& line, double width) {
  return QRectF(line.p1(), line.p2()).normalized().adjusted(-width, -width, width, width);
}

}  // namespace

DimensionFigure layOutDimensions(const DrawingScene& scene, const QTransform& toDevice,
                                 const DrawingStyle& style) {
  if (!scene.options.shows(display_bit::kDimensions)) return {};
  const QFont font = style.font(LabelKind::AxisAndStrake);
  Layout layout{toDevice, font, QFontMetricsF(font).height(), {}};
  for (const Bulkhead* bulkhead : dimensionedBulkheads(scene.arrangement)) {
    layout.addBulkhead(*bulkhead);
  }
  return layout.figure;
}

void paintDimensions(PaintContext& context, const DrawingScene& scene) {
  const DimensionFigure figure = layOutDimensions(scene, context.toDevice, context.style);
  if (figure.lines.empty()) return;
  QPainter& painter = context.painter;
  painter.save();
  const QColor colour = context.style.labelColour();
  painter.setPen(QPen(colour, kLinePoints * context.style.pixelsPerPoint()));
  for (const QLineF& line : figure.lines) {
    painter.drawLine(line);
    context.labels.reserve(lineBand(line, context.style.pixelsPerPoint()));
  }
  painter.setFont(context.style.font(LabelKind::AxisAndStrake));
  for (const DimensionText& text : figure.texts) {
    context.labels.reserveText(text.box);
    painter.save();
    painter.translate(text.box.center());
    if (text.upright) painter.rotate(-kQuarterTurn);
    const QSizeF size = text.upright ? text.box.size().transposed() : text.box.size();
    painter.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), Qt::AlignCenter,
                     text.text);
    painter.restore();
  }
  painter.restore();
}

WorldWindow withDimensionRoom(const WorldWindow& full, const DrawingScene& scene,
                              const QTransform& toDevice, double pixelsPerPoint) {
  const QRectF bounds =
      boundsOf(layOutDimensions(scene, toDevice, DrawingStyle(scene.labels, pixelsPerPoint)));
  if (bounds.isEmpty()) return full;

  const QRectF world = toDevice.inverted().mapRect(bounds).normalized();
  // A tick on the centre line makes no port side of a half-section.
  const double left =
      std::min(full.left, isHalfSection(full) ? std::max(world.left(), 0.0) : world.left());
  const double bottom = std::min(full.bottom, world.top());
  const double right = std::max(full.right(), world.right());
  const double top = std::max(full.top(), world.bottom());
  return {left, bottom, right - left, top - bottom};
}

void addWorldDimensions(WorldDrawing& drawing, const DrawingScene& scene,
                        const QTransform& toDevice, const DrawingStyle& style) {
  const DimensionFigure figure = layOutDimensions(scene, toDevice, style);
  const QTransform toWorld = toDevice.inverted();
  const double pixelsPerMetre = std::abs(toDevice.m11());
  for (const QLineF& line : figure.lines) {
    const QLineF world = toWorld.map(line);
    ContourPath path;
    path.push_back({{world.x1(), world.y1()}, 0});
    path.push_back({{world.x2(), world.y2()}, 0});
    drawing.paths.push_back({WorldLayer::Dimensions, path, false, {}});
  }
  for (const DimensionText& text : figure.texts) {
    const QPointF centre = toWorld.map(text.box.center());
    const double height = text.upright ? text.box.width() : text.box.height();
    const double length = text.upright ? text.box.height() : text.box.width();
    drawing.texts.push_back({.text = text.text,
                             .place = {centre.x(), centre.y()},
                             .height = height * kCapHeightShare / pixelsPerMetre,
                             .length = length / pixelsPerMetre,
                             .rotation = text.upright ? kQuarterTurn : 0,
                             .layer = WorldLayer::Dimensions});
  }
}

}  // namespace korain
