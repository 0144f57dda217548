// Painting one bulkhead's strakes, contour, stools, corrugation, members, stiffeners and nodes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bulkhead_painter.h"

#include <QPainterPath>
#include <cmath>

#include "checks/check_modes.h"
#include "geometry/contour.h"
#include "geometry/member_lines.h"
#include "model/codes.h"
#include "view/shown_parts.h"

namespace korain {
namespace {

using namespace display_bit;

bool panelShows(const PaintContext& context, PanelCode panel) {
  return context.options.CurrentPanel == panel;
}

bool checking(const PaintContext& context) { return context.options.CheckMode != kNoCheck; }

// Whether the current bulkhead and its chosen objects stand out in this picture.
bool highlights(const PaintContext& context, bool current) {
  return current && context.showsSelection;
}

void paintStrake(PaintContext& context, const Strake& strake, bool highlighted) {
  if (!strake.Outline.isDimensioned()) return;
  QPolygonF polygon;
  for (const StrakePoint& p : strake.Outline) {
    if (std::isfinite(p.Y) && std::isfinite(p.Z)) polygon << context.map(p.Y, p.Z);
  }
  if (polygon.size() < 3) return;
  const QColor checkColour =
      checking(context) ? context.paletteColour(strake.ColourIndex) : QColor();
  QColor fill = context.style.strakeFill();
  // Opaque, in the legend swatch's own colour: a translucent fill mixed with
  // the paper reads as a paler value of the legend.
  if (checkColour.isValid()) fill = context.style.checkColour(checkColour);
  if (highlighted) fill = context.style.currentStrakeFill();
  context.painter.setPen(context.style.strakeEdgePen());
  context.painter.setBrush(fill);
  context.painter.drawPolygon(polygon);
  context.painter.setBrush(Qt::NoBrush);
}

void paintStools(PaintContext& context, const Bulkhead& bulkhead) {
  context.painter.setPen(context.style.stoolPen());
  const double tick = context.style.tickLength();
  struct Stool {
    bool enabled;
    double z;
    double from;
    double to;
    double side;  // device direction of the hatching: below the lower, above the upper
  };
  for (const Stool& stool : {Stool{bulkhead.Stool1Enabled, bulkhead.Stool1Z, bulkhead.Stool1End1,
                                   bulkhead.Stool1End2, 1},
                             Stool{bulkhead.Stool2Enabled, bulkhead.Stool2Z, bulkhead.Stool2End1,
                                   bulkhead.Stool2End2, -1}}) {
    if (!stool.enabled) continue;
    const QPointF a = context.map(stool.from, stool.z);
    const QPointF b = context.map(stool.to, stool.z);
    if (!std::isfinite(a.x()) || !std::isfinite(b.x())) continue;
    context.painter.drawLine(a, b);
    const double length = b.x() - a.x();
    const int ticks = static_cast<int>(std::min(400.0, std::abs(length) / (2 * tick)));
    for (int i = 1; i < ticks; ++i) {
      const double x = a.x() + length * i / ticks;
      context.painter.drawLine(QPointF(x, a.y()), QPointF(x - tick, a.y() + stool.side * tick));
    }
  }
}

void paintSegment(PaintContext& context, const PlaneSegment& segment) {
  context.painter.drawLine(context.map(segment.from), context.map(segment.to));
}

void paintCorrugation(PaintContext& context, const Bulkhead& bulkhead) {
  context.painter.setPen(context.style.corrugationPen());
  for (const CorrugationLine& line : bulkhead.CorrugationLines) {
    if (!line.Extremities.isDimensioned()) continue;
    paintSegment(context, lineSegment(line.Position, bulkhead.stfHV, line.Extremities.first(),
                                      line.Extremities.last()));
  }
}

void paintMembers(PaintContext& context, const Bulkhead& bulkhead, bool current) {
  for (int j = 1; j <= bulkhead.PrimaryMembers.count(); ++j) {
    const bool chosen = highlights(context, current) &&
                        panelShows(context, PanelCode::PrimaryMembers) && j == bulkhead.CurPrim;
    context.painter.setPen(context.style.memberPen(emphasisOf(chosen)));
    paintSegment(context, primarySegment(bulkhead.PrimaryMembers.at(j)));
  }
}

// On screen, on the stiffeners panel, the current bulkhead's members are
// drawn thin as the spans' supports, with a mark where each span ends on one.
bool showsSupports(const PaintContext& context, bool current) {
  return highlights(context, current) && panelShows(context, PanelCode::OrdinaryStiffeners) &&
         context.options.SupportsWhileEditingStiffeners;
}

void paintSupports(PaintContext& context, const Bulkhead& bulkhead) {
  context.painter.setPen(context.style.supportPen());
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    paintSegment(context, primarySegment(member));
  }
}

// A short mark across the stiffener at each support between its ends.
void paintSpanBreaks(PaintContext& context, const Bulkhead& bulkhead) {
  context.painter.setPen(context.style.supportPen());
  const double tick = context.style.tickLength();
  const bool vertical = bulkhead.stfHV == kVertical;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    for (int e = 2; e < stiffener.Extremities.count(); ++e) {
      const double at = stiffener.Extremities.at(e);
      const QPointF middle =
          vertical ? context.map(stiffener.Position, at) : context.map(at, stiffener.Position);
      const QPointF across = vertical ? QPointF(tick, 0) : QPointF(0, tick);
      context.painter.drawLine(middle - across, middle + across);
    }
  }
}

// The stiffeners the wizard would add, dashed across the bulkhead.
void paintRowPreview(PaintContext& context, const Bulkhead& bulkhead) {
  if (context.options.RowPreview.empty()) return;
  const Contour contour(bulkhead);
  context.painter.setPen(context.style.previewPen());
  for (const Single position : context.options.RowPreview) {
    const LineEnds ends = lineEnds(contour, bulkhead, position, bulkhead.stfHV);
    paintSegment(context, lineSegment(position, bulkhead.stfHV, ends.first, ends.second));
  }
}

void paintOutline(PaintContext& context, const BracketOutline& outline) {
  context.painter.drawPolyline(
      QPolygonF{context.map(outline.along), context.map(outline.foot), context.map(outline.tip)});
}

// A bracket as a small triangle on the stiffener's end, its leg along the
// stiffener as long as the bracket.
void paintBracket(PaintContext& context, const Bracket& bracket, const OrdinaryStiffener& stiffener,
                  Long stfHV, BracketEnd at) {
  BracketOutline outline;
  if (!bracketOutline(bracket, stiffener, stfHV, at, outline)) return;
  const QColor colour = checking(context) ? context.paletteColour(bracket.ColourIndex) : QColor();
  context.painter.setPen(colour.isValid() ? context.style.colouredSpanPen(colour)
                                          : context.style.stiffenerPen(Emphasis::Normal));
  paintOutline(context, outline);
}

// The brackets of the spans where they end on a primary member, in the
// colour of their span's check.
void paintSpanBrackets(PaintContext& context, const OrdinaryStiffener& stiffener, Long stfHV) {
  for (const SpanBracket& bracket : spanBrackets(stiffener, stfHV)) {
    const QColor colour = checking(context)
                              ? context.paletteColour(stiffener.Spans.at(bracket.span).ColourIndex)
                              : QColor();
    context.painter.setPen(colour.isValid() ? context.style.colouredSpanPen(colour)
                                            : context.style.stiffenerPen(Emphasis::Normal));
    paintOutline(context, bracket.outline);
  }
}

void paintStiffeners(PaintContext& context, const Bulkhead& bulkhead, bool current) {
  const bool panel = current && panelShows(context, PanelCode::OrdinaryStiffeners);
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    const bool chosen = panel && context.showsSelection && stiffener.Selected;
    for (int s = 1; s <= stiffener.Spans.count(); ++s) {
      PlaneSegment segment;
      if (!secondarySegment(stiffener, bulkhead.stfHV, s, segment)) continue;
      const QColor colour =
          checking(context) ? context.paletteColour(stiffener.Spans.at(s).ColourIndex) : QColor();
      context.painter.setPen(colour.isValid() && !chosen
                                 ? context.style.colouredSpanPen(colour)
                                 : context.style.stiffenerPen(emphasisOf(chosen)));
      if (chosen && stiffener.Spans.at(s).IntervalNumber == bulkhead.CurSpan) {
        context.painter.setPen(context.style.currentSpanPen());
      }
      paintSegment(context, segment);
    }
    paintBracket(context, stiffener.Brackets.at(1), stiffener, bulkhead.stfHV, BracketEnd::Start);
    paintBracket(context, stiffener.Brackets.at(2), stiffener, bulkhead.stfHV, BracketEnd::End);
    paintSpanBrackets(context, stiffener, bulkhead.stfHV);
  }
}

void paintNodes(PaintContext& context, const Bulkhead& bulkhead, bool current) {
  const bool panel = current && panelShows(context, PanelCode::Nodes);
  const double radius = context.style.nodeRadius();
  const bool marks = shownParts(context.options, current).nodeMarks;
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    const Node& node = bulkhead.Nodes.at(k);
    const QPointF at = context.map(node.Y, node.Z);
    if (!std::isfinite(at.x()) || !std::isfinite(at.y())) continue;
    const bool chosen = panel && context.showsSelection && k == bulkhead.CurNode;
    if (!marks && !chosen) continue;
    context.painter.setPen(context.style.nodePen(emphasisOf(chosen)));
    context.painter.setBrush(chosen ? context.style.currentColour() : context.style.nodeFill());
    context.painter.drawEllipse(at, chosen ? radius * 1.6 : radius, chosen ? radius * 1.6 : radius);
    context.painter.setBrush(Qt::NoBrush);
  }
}

}  // namespace

void paintStrakes(PaintContext& context, const Bulkhead& bulkhead, Emphasis emphasis) {
  const bool current = emphasis == Emphasis::Current;
  const bool panel = current && panelShows(context, PanelCode::StrakeBands);
  if (!shownParts(context.options, current).strakes) return;
  for (int b = 1; b <= bulkhead.StrakeBands.count(); ++b) {
    const StrakeBand& band = bulkhead.StrakeBands.at(b);
    for (int t = 1; t <= band.Strakes.count(); ++t) {
      paintStrake(context, band.Strakes.at(t),
                  panel && context.showsSelection && b == bulkhead.CurBand && t == band.CurStrake);
    }
  }
}

void paintBulkheadLines(PaintContext& context, const Bulkhead& bulkhead, Emphasis emphasis) {
  const bool current = emphasis == Emphasis::Current;
  const ShownParts shown = shownParts(context.options, current);
  if (shown.corrugation) paintCorrugation(context, bulkhead);
  if (shown.stiffeners) paintStiffeners(context, bulkhead, current);
  if (shown.members) {
    paintMembers(context, bulkhead, current);
  } else if (showsSupports(context, current)) {
    paintSupports(context, bulkhead);
  }
  if (shown.stiffeners && showsSupports(context, current)) paintSpanBreaks(context, bulkhead);
  if (highlights(context, current)) paintRowPreview(context, bulkhead);
  if (shown.stools) paintStools(context, bulkhead);
  context.painter.setPen(context.style.contourPen(emphasisOf(highlights(context, current))));
  drawWorldPath(context, contourPath(bulkhead.Nodes));
  paintNodes(context, bulkhead, current);
}

}  // namespace korain
