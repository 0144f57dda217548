// Building the world drawing of the arrangement, layer by layer, with its labels and axes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>

#include "dimension_painter.h"
#include "drawing_sheet.h"
#include "drawing_style.h"
#include "geometry/member_lines.h"
#include "inch_units.h"
#include "paint_context.h"
#include "view/section_outline.h"
#include "view/shown_parts.h"
#include "view/world_window.h"
#include "world_transform.h"

namespace korain {
namespace {

ContourPath straight(std::initializer_list<PlanePoint> points) {
  ContourPath path;
  for (const PlanePoint& p : points) path.push_back({p, 0});
  return path;
}

struct Collector {
  WorldDrawing& drawing;
  const DisplayOptions& options;

  QColor checkColour(Long index) const {
    return options.CheckMode != kNoCheck ? paletteColour(options, index) : QColor();
  }
  void line(WorldLayer layer, const PlaneSegment& segment, QColor colour = {}) {
    drawing.paths.push_back({layer, straight({segment.from, segment.to}), false, colour});
  }
};

void addStrakes(Collector& out, const Bulkhead& bulkhead) {
  for (const StrakeBand& band : bulkhead.StrakeBands) {
    for (const Strake& strake : band.Strakes) {
      ContourPath outline;
      for (const StrakePoint& p : strake.Outline) {
        if (std::isfinite(p.Y) && std::isfinite(p.Z)) outline.push_back({{p.Y, p.Z}, 0});
      }
      if (outline.size() < 3) continue;
      out.drawing.paths.push_back(
          {WorldLayer::Strakes, outline, true, out.checkColour(strake.ColourIndex)});
    }
  }
}

void addStiffeners(Collector& out, const Bulkhead& bulkhead) {
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    for (int s = 1; s <= stiffener.Spans.count(); ++s) {
      PlaneSegment segment;
      if (!secondarySegment(stiffener, bulkhead.stfHV, s, segment)) continue;
      out.line(WorldLayer::Stiffeners, segment, out.checkColour(stiffener.Spans.at(s).ColourIndex));
    }
    for (const BracketEnd end : {BracketEnd::Start, BracketEnd::End}) {
      const Bracket& bracket = stiffener.Brackets.at(end == BracketEnd::Start ? 1 : 2);
      BracketOutline outline;
      if (!bracketOutline(bracket, stiffener, bulkhead.stfHV, end, outline)) continue;
      out.drawing.paths.push_back({WorldLayer::Brackets,
                                   straight({outline.along, outline.foot, outline.tip}), false,
                                   out.checkColour(bracket.ColourIndex)});
    }
    for (const SpanBracket& bracket : spanBrackets(stiffener, bulkhead.stfHV)) {
      const BracketOutline& outline = bracket.outline;
      out.drawing.paths.push_back({WorldLayer::Brackets,
                                   straight({outline.along, outline.foot, outline.tip}), false,
                                   out.checkColour(stiffener.Spans.at(bracket.span).ColourIndex)});
    }
  }
}

void addStools(Collector& out, const Bulkhead& bulkhead) {
  if (bulkhead.Stool1Enabled) {
    out.line(WorldLayer::Stools,
             {{bulkhead.Stool1End1, bulkhead.Stool1Z}, {bulkhead.Stool1End2, bulkhead.Stool1Z}});
  }
  if (bulkhead.Stool2Enabled) {
    out.line(WorldLayer::Stools,
             {{bulkhead.Stool2End1, bulkhead.Stool2Z}, {bulkhead.Stool2End2, bulkhead.Stool2Z}});
  }
}

void addBulkhead(Collector& out, const Bulkhead& bulkhead, bool current, double nodeRadius) {
  const ShownParts shown = shownParts(out.options, current);
  if (shown.strakes) addStrakes(out, bulkhead);
  if (shown.corrugation) {
    for (const CorrugationLine& line : bulkhead.CorrugationLines) {
      if (!line.Extremities.isDimensioned()) continue;
      out.line(WorldLayer::Corrugation,
               lineSegment(line.Position, bulkhead.stfHV, line.Extremities.first(),
                           line.Extremities.last()));
    }
  }
  if (shown.stiffeners) addStiffeners(out, bulkhead);
  if (shown.members) {
    for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
      out.line(WorldLayer::Members, primarySegment(member));
    }
  }
  if (shown.stools) addStools(out, bulkhead);
  out.drawing.paths.push_back({WorldLayer::Contour, contourPath(bulkhead.Nodes), false, {}});
  if (!shown.nodeMarks) return;
  for (const Node& node : bulkhead.Nodes) {
    out.drawing.circles.push_back({WorldLayer::Nodes, {node.Y, node.Z}, nodeRadius});
  }
}

// The labels as the picture places them, carried back into the world.
// A label in the plain label colour takes the layer's colour.
void addLabels(WorldDrawing& drawing, const DrawingScene& scene, QSize size,
               const QTransform& toWorld, double pixelsPerMetre, const QColor& plain) {
  QImage picture(size, QImage::Format_RGB32);
  PlacedLabels placed;
  {
    QPainter painter(&picture);
    placed = paintDrawingSheet(painter, QRectF(QPointF(0, 0), size), kScreenDpi,
                               {.labels = LabelPolicy::KeepAll}, scene);
  }
  for (const PlacedLabel& label : placed) {
    const QPointF centre = toWorld.map(label.box.center());
    const QFontMetricsF metrics(label.font);
    drawing.texts.push_back({.text = label.text,
                             .place = {centre.x(), centre.y()},
                             .height = metrics.capHeight() / pixelsPerMetre,
                             .length = metrics.horizontalAdvance(label.text) / pixelsPerMetre,
                             .rotation = label.upright ? 90.0 : 0.0,
                             .layer = WorldLayer::Labels,
                             .bold = label.font.bold(),
                             .colour = label.colour == plain ? QColor() : label.colour});
    // A group's label marks the group's extent across its stiffeners.
    for (const QLineF& mark : label.marks) {
      const QPointF a = toWorld.map(mark.p1());
      const QPointF b = toWorld.map(mark.p2());
      drawing.paths.push_back({WorldLayer::Labels, straight({{a.x(), a.y()}, {b.x(), b.y()}}),
                               false, label.colour == plain ? QColor() : label.colour});
    }
  }
}

// The axes reach a tenth beyond the section and its bulkheads, within the
// picture's window: a window widened for long labels would otherwise carry
// them far out into the CAD file.
WorldWindow axisReach(const WorldWindow& window, const DrawingScene& scene) {
  const WorldWindow full = fullExtent(scene.arrangement, scene.section, scene.ship);
  if (full.isEmpty()) return window;
  const double dy = full.width / 10;
  const double dz = full.height / 10;
  const double left = std::max(window.left, std::min(full.left - dy, 0.0));
  const double right = std::min(window.right(), std::max(full.right() + dy, 0.0));
  const double bottom = std::max(window.bottom, std::min(full.bottom - dz, 0.0));
  const double top = std::min(window.top(), std::max(full.top() + dz, 0.0));
  return {left, bottom, right - left, top - bottom};
}

}  // namespace

// Colour numbers whose colours stand out from black and from white alike
// (7 is white on a dark screen, black on paper); the hues follow the picture's.
const WorldLayerStyle& worldLayerStyle(WorldLayer layer) {
  static constexpr std::array<WorldLayerStyle, kWorldLayerCount> kStyles = {{
      {"HULL_SECTION", 8, false},
      {"BULKHEAD_CONTOUR", 7, false},
      {"STOOLS", 32, false},
      {"NODES", 7, false},
      {"PRIMARY_MEMBERS", 1, false},
      {"STIFFENERS", 94, false},
      {"BRACKETS", 114, false},
      {"STRAKES", 251, false},
      {"CORRUGATION", 150, false},
      {"AXIS", 200, true},
      {"LABELS", 7, false},
      {"TITLE_BLOCK", 7, false},
      {"LEGEND", 7, false},
      {"DIMENSIONS", 7, false},
  }};
  return kStyles.at(static_cast<std::size_t>(layer));
}

WorldDrawing worldDrawing(const DrawingScene& scene, QSize size) {
  const QRectF sheet(QPointF(0, 0), size);
  const SheetLayout layout =
      layOutSheet(sheet, kScreenDpi, {.labels = LabelPolicy::KeepAll}, scene);
  const QTransform toDevice = worldToDevice(layout.window, layout.drawing);
  const double pixelsPerMetre = std::abs(toDevice.m11());
  const DrawingStyle style(scene.labels, kScreenDpi / kPointsPerInch);

  WorldDrawing drawing;
  drawing.metresPerPoint = style.pixelsPerPoint() / pixelsPerMetre;
  for (const ContourPath& outline : hullOutlines(scene.arrangement, scene.section, scene.ship)) {
    drawing.paths.push_back({WorldLayer::Hull, outline, false, {}});
  }
  Collector out{drawing, scene.options};
  const List<Bulkhead>& bulkheads = scene.arrangement.Bulkheads;
  for (int i = 1; i <= bulkheads.count(); ++i) {
    addBulkhead(out, bulkheads.at(i), i == scene.arrangement.CurBulkhead,
                style.nodeRadius() / pixelsPerMetre);
  }
  if (scene.options.shows(display_bit::kAxis)) {
    const WorldWindow w = axisReach(layout.window, scene);
    out.line(WorldLayer::Axis, {{0, w.bottom}, {0, w.top()}});
    out.line(WorldLayer::Axis, {{w.left, 0}, {w.right(), 0}});
  }
  addLabels(drawing, scene, size, toDevice.inverted(), pixelsPerMetre, style.labelColour());
  addWorldDimensions(drawing, scene, toDevice, style);
  return drawing;
}

}  // namespace korain
