// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_labels.h"

#include <QFontMetricsF>
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "bulkhead_painter.h"
#include "checks/scantling_texts.h"
#include "geometry/member_lines.h"
#include "ship/ship_queries.h"
#include "text/number_format.h"
#include "view/shown_parts.h"

namespace korain {
namespace {

using namespace display_bit;

QString text(const std::string& value) { return QString::fromStdString(value); }

bool isFinite(PlanePoint p) { return std::isfinite(p.y) && std::isfinite(p.z); }

PlanePoint centroidOf(const List<StrakePoint>& outline) {
  double y = 0;
  double z = 0;
  for (const StrakePoint& p : outline) {
    y += p.Y;
    z += p.Z;
  }
  const double n = outline.count();
  return {y / n, z / n};
}

struct Heights {
  double low;
  double high;
};

// The tallest part of the strake's height between the stringers (horizontal
// primary members) crossing it: its text stands there, on the plate it
// names, and never on a stringer's line.
Heights clearHeights(const List<StrakePoint>& outline, const Bulkhead& bulkhead) {
  std::vector<double> cuts;
  double low = outline.first().Z;
  double high = low;
  for (const StrakePoint& p : outline) {
    low = std::min<double>(low, p.Z);
    high = std::max<double>(high, p.Z);
  }
  cuts.push_back(low);
  cuts.push_back(high);
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    if (member.HV == 0 && member.Placed > low && member.Placed < high) {
      cuts.push_back(member.Placed);
    }
  }
  std::sort(cuts.begin(), cuts.end());
  Heights best{low, low};
  for (std::size_t i = 1; i < cuts.size(); ++i) {
    if (cuts[i] - cuts[i - 1] > best.high - best.low) best = {cuts[i - 1], cuts[i]};
  }
  return best;
}

void addName(DrawingLabels& labels, const Bulkhead& bulkhead, const QColor& colour) {
  if (bulkhead.Name.empty() || !bulkhead.Nodes.isDimensioned()) return;
  const PlanePoint top{(bulkhead.YMin + bulkhead.YMax) / 2.0, bulkhead.ZMax};
  if (!isFinite(top)) return;
  labels.push_back(
      {text(bulkhead.Name), top, top, colour, LabelRank::BulkheadName, LabelPlace::Over});
}

void addNodeNumbers(DrawingLabels& labels, const Bulkhead& bulkhead, const QColor& colour) {
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    const PlanePoint at{bulkhead.Nodes.at(k).Y, bulkhead.Nodes.at(k).Z};
    if (!isFinite(at)) continue;
    labels.push_back(
        {QString::number(k), at, at, colour, LabelRank::NodeNumber, LabelPlace::Beside});
  }
}

// The thickness, and the material's name after it where the strake is not of
// the bulkhead's material (0 standing for the bulkhead's).
QString strakeText(const Strake& strake, const Bulkhead& bulkhead, const ShipData& ship) {
  QString result = text(formatNumber(strake.Th, "#0.0"));
  if (strake.iMat != 0 && strake.iMat != bulkhead.iMat) {
    result += ' ' + text(materialName(strake.iMat, ship));
  }
  return result;
}

void addStrakes(DrawingLabels& labels, const Bulkhead& bulkhead, const LabelSource& source) {
  for (const StrakeBand& band : bulkhead.StrakeBands) {
    for (const Strake& strake : band.Strakes) {
      if (strake.Outline.count() < 3) continue;
      const Heights clear = clearHeights(strake.Outline, bulkhead);
      // Across, at the outline's centroid; up and down, in the middle of the
      // clear part, free to move as far as that part reaches.
      const PlanePoint centre{centroidOf(strake.Outline).y, (clear.low + clear.high) / 2};
      if (!isFinite(centre)) continue;
      labels.push_back({strakeText(strake, bulkhead, source.ship),
                        centre,
                        {centre.y, clear.high},
                        source.style.labelColour(),
                        LabelRank::Strake,
                        LabelPlace::Centred});
    }
  }
}

double lengthOf(const PlaneSegment& segment) {
  return std::hypot(segment.to.y - segment.from.y, segment.to.z - segment.from.z);
}

// The stiffener's own scantling along its longest span without a scantling of
// its own, else along its other such spans, longest first; and each span's
// own scantling along the span.
void addStiffenerScantlings(DrawingLabels& labels, const OrdinaryStiffener& stiffener, Long stfHV,
                            const LabelSource& source) {
  const QColor colour = source.style.labelColour();
  std::vector<PlaneSegment> plain;
  for (int s = 1; s <= stiffener.Spans.count(); ++s) {
    PlaneSegment segment;
    if (!secondarySegment(stiffener, stfHV, s, segment) || !isFinite(segment.from) ||
        !isFinite(segment.to)) {
      continue;
    }
    const StiffenerSpan& span = stiffener.Spans.at(s);
    if (span.HasScantling) {
      labels.push_back({text(scantlingLabel(span.Scant, source.ship)), segment.from, segment.to,
                        colour, LabelRank::Scantling, LabelPlace::Along});
    } else {
      plain.push_back(segment);
    }
  }
  if (plain.empty()) return;
  std::stable_sort(plain.begin(), plain.end(), [](const PlaneSegment& a, const PlaneSegment& b) {
    return lengthOf(a) > lengthOf(b);
  });
  labels.push_back({text(scantlingLabel(stiffener.Scant, source.ship)), plain.front().from,
                    plain.front().to, colour, LabelRank::Scantling, LabelPlace::Along,
                    std::vector<PlaneSegment>(plain.begin() + 1, plain.end())});
}

// A fitted bracket's text along the stiffener from its end inward, over
// twice the bracket's length, so that it stands by the bracket.
void addBrackets(DrawingLabels& labels, const OrdinaryStiffener& stiffener, Long stfHV,
                 const QColor& colour) {
  if (stiffener.Extremities.count() < 2) return;
  const PlaneSegment whole = lineSegment(stiffener.Position, stfHV, stiffener.Extremities.first(),
                                         stiffener.Extremities.last());
  const double length = lengthOf(whole);
  if (!(length > 0) || !isFinite(whole.from) || !isFinite(whole.to)) return;
  const PlanePoint step{(whole.to.y - whole.from.y) / length, (whole.to.z - whole.from.z) / length};
  for (const int end : {1, 2}) {
    const Bracket& bracket = stiffener.Brackets.at(end);
    if (!bracket.Enabled || !(bracket.Length > 0)) continue;
    const PlanePoint tip = end == 1 ? whole.from : whole.to;
    const double inward = (end == 1 ? 2.0 : -2.0) * std::min<double>(bracket.Length, length / 4);
    const PlanePoint reach{tip.y + step.y * inward, tip.z + step.z * inward};
    labels.push_back({text(bracketScantlingText(bracket.Scant)), tip, reach, colour,
                      LabelRank::Bracket, LabelPlace::Along});
  }
}

}  // namespace

DrawingLabels bulkheadLabels(const Bulkhead& bulkhead, Emphasis emphasis,
                             const LabelSource& source) {
  DrawingLabels labels;
  const DisplayOptions& options = source.options;
  const QColor plain = source.style.labelColour();
  const bool current = emphasis == Emphasis::Current;
  const ShownParts shown = shownParts(options, current);
  addName(labels, bulkhead,
          current && source.showsSelection ? source.style.currentColour() : plain);
  if (options.shows(kNodeNumbers)) addNodeNumbers(labels, bulkhead, plain);
  if (shown.strakes) addStrakes(labels, bulkhead, source);
  if (options.shows(kScantlings) && shown.stiffeners) {
    for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
      addStiffenerScantlings(labels, stiffener, bulkhead.stfHV, source);
      addBrackets(labels, stiffener, bulkhead.stfHV, plain);
    }
  }
  return labels;
}

DrawingLabels drawingLabels(const Arrangement& arrangement, const LabelSource& source) {
  DrawingLabels labels;
  const List<Bulkhead>& bulkheads = arrangement.Bulkheads;
  const auto append = [&](int i, Emphasis emphasis) {
    const DrawingLabels more = bulkheadLabels(bulkheads.at(i), emphasis, source);
    labels.insert(labels.end(), more.begin(), more.end());
  };
  for (int i = 1; i <= bulkheads.count(); ++i) {
    if (i != arrangement.CurBulkhead) append(i, Emphasis::Normal);
  }
  if (bulkheads.inBounds(arrangement.CurBulkhead))
    append(arrangement.CurBulkhead, Emphasis::Current);
  return labels;
}

namespace {

LabelKind fontOf(LabelRank kind) {
  switch (kind) {
    case LabelRank::BulkheadName:
      return LabelKind::BulkheadName;
    case LabelRank::NodeNumber:
      return LabelKind::Node;
    case LabelRank::Scantling:
    case LabelRank::Bracket:
      return LabelKind::Stiffener;
    case LabelRank::Axis:
    case LabelRank::Strake:
      break;
  }
  return LabelKind::AxisAndStrake;
}

}  // namespace

void addLabels(LabelLayout& layout, const DrawingLabels& labels, const QTransform& toDevice,
               const DrawingStyle& style) {
  const double gap = style.nodeRadius();
  for (const DrawingLabel& label : labels) {
    const QFont font = style.font(fontOf(label.kind));
    const QPointF at = toDevice.map(QPointF(label.at.y, label.at.z));
    if (!std::isfinite(at.x()) || !std::isfinite(at.y())) continue;
    switch (label.place) {
      case LabelPlace::Over: {
        // Anchored half its width left of the point, so that its first
        // place, right and above, centres it over the point.
        const double half = QFontMetricsF(font).horizontalAdvance(label.text) / 2;
        layout.add(label.text, font, label.colour, at - QPointF(half, 0), gap, label.kind);
        break;
      }
      case LabelPlace::Beside:
        layout.add(label.text, font, label.colour, at, gap, label.kind);
        break;
      case LabelPlace::Centred: {
        const QPointF reach = toDevice.map(QPointF(label.to.y, label.to.z));
        layout.addCentred(label.text, font, label.colour, at, QLineF(at, reach).length(),
                          label.kind);
        break;
      }
      case LabelPlace::Along: {
        const auto onDevice = [&](PlanePoint from, PlanePoint to) {
          return QLineF(toDevice.map(QPointF(from.y, from.z)), toDevice.map(QPointF(to.y, to.z)));
        };
        std::vector<QLineF> further;
        for (const PlaneSegment& segment : label.further) {
          further.push_back(onDevice(segment.from, segment.to));
        }
        layout.addAlong(label.text, font, label.colour, onDevice(label.at, label.to), gap,
                        label.kind, further);
        break;
      }
    }
  }
}

}  // namespace korain
