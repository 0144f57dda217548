// Gathering the drawing's labels: what each says, where it belongs, its colour and kind.
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
#include "model/codes.h"
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

// The middles between the lines that run in the stiffeners' direction
// (stiffeners, corrugation knuckles, members), where a strake's text finds
// room when a line crosses the strake's middle.
std::vector<double> middlesBetweenLines(const Bulkhead& bulkhead) {
  std::vector<double> positions;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    positions.push_back(stiffener.Position);
  }
  for (const CorrugationLine& line : bulkhead.CorrugationLines) positions.push_back(line.Position);
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    if (member.HV == bulkhead.stfHV) positions.push_back(member.Placed);
  }
  std::erase_if(positions, [](double p) { return !std::isfinite(p); });
  std::sort(positions.begin(), positions.end());
  std::vector<double> middles;
  for (std::size_t i = 1; i < positions.size(); ++i) {
    middles.push_back((positions[i - 1] + positions[i]) / 2);
  }
  return middles;
}

// The middles within the strake's reach, nearest the centre first.
std::vector<PlanePoint> besideCentre(PlanePoint centre, double low, double high, bool vertical,
                                     const std::vector<double>& middles) {
  std::vector<PlanePoint> result;
  for (const double middle : middles) {
    if (middle < low || middle > high) continue;
    result.push_back(vertical ? PlanePoint{middle, centre.z} : PlanePoint{centre.y, middle});
  }
  std::stable_sort(result.begin(), result.end(), [&](PlanePoint a, PlanePoint b) {
    return distance(a, centre) < distance(b, centre);
  });
  return result;
}

void addStrakes(DrawingLabels& labels, const Bulkhead& bulkhead, const LabelSource& source) {
  const std::vector<double> middles = middlesBetweenLines(bulkhead);
  const bool vertical = bulkhead.stfHV == kVertical;
  for (const StrakeBand& band : bulkhead.StrakeBands) {
    for (const Strake& strake : band.Strakes) {
      if (strake.Outline.count() < 3) continue;
      const Heights clear = clearHeights(strake.Outline, bulkhead);
      // Across, at the outline's centroid; up and down, in the middle of the
      // clear part, free to move as far as that part reaches.
      const PlanePoint centre{centroidOf(strake.Outline).y, (clear.low + clear.high) / 2};
      if (!isFinite(centre)) continue;
      double left = centre.y;
      double right = centre.y;
      for (const StrakePoint& p : strake.Outline) {
        left = std::min<double>(left, p.Y);
        right = std::max<double>(right, p.Y);
      }
      DrawingLabel label{strakeText(strake, bulkhead, source.ship),
                         centre,
                         {centre.y, clear.high},
                         source.style.labelColour(),
                         LabelRank::Strake,
                         LabelPlace::Centred};
      label.beside = vertical ? besideCentre(centre, left, right, true, middles)
                              : besideCentre(centre, clear.low, clear.high, false, middles);
      labels.push_back(std::move(label));
    }
  }
}

double lengthOf(const PlaneSegment& segment) {
  return std::hypot(segment.to.y - segment.from.y, segment.to.z - segment.from.z);
}

bool isFinite(const PlaneSegment& segment) {
  return isFinite(segment.from) && isFinite(segment.to);
}

// A label one stiffener would carry on its own: its text, the lines it may
// stand along (the preferred first), and the key that makes it the same as
// a neighbour's.
struct OwnLabel {
  std::size_t order;  // the stiffener's place among the bulkhead's, by position
  QString key;
  QString text;
  LabelRank rank;
  std::vector<PlaneSegment> lines;
};

// The stiffener's own scantling along its spans without a scantling of their
// own, longest first; and each span's own scantling along the span, the same
// as a neighbour's where it is in the same support interval.
void addScantlings(std::vector<OwnLabel>& own, std::size_t order,
                   const OrdinaryStiffener& stiffener, Long stfHV, const ShipData& ship) {
  std::vector<PlaneSegment> plain;
  for (int s = 1; s <= stiffener.Spans.count(); ++s) {
    PlaneSegment segment;
    if (!secondarySegment(stiffener, stfHV, s, segment) || !isFinite(segment)) continue;
    const StiffenerSpan& span = stiffener.Spans.at(s);
    if (span.HasScantling) {
      const QString scantling = text(scantlingLabel(span.Scant, ship));
      const int interval = span.IntervalNumber > 0 ? span.IntervalNumber : s;
      own.push_back({order,
                     QStringLiteral("span %1 %2").arg(interval).arg(scantling),
                     scantling,
                     LabelRank::Scantling,
                     {segment}});
    } else {
      plain.push_back(segment);
    }
  }
  if (plain.empty()) return;
  std::stable_sort(plain.begin(), plain.end(), [](const PlaneSegment& a, const PlaneSegment& b) {
    return lengthOf(a) > lengthOf(b);
  });
  const QString scantling = text(scantlingLabel(stiffener.Scant, ship));
  own.push_back({order, "stiffener " + scantling, scantling, LabelRank::Scantling, plain});
}

// Where a bracket's text stands: along the stiffener from the bracket's end
// inward, over twice the bracket's length, so that it stands by the bracket.
PlaneSegment besideBracket(const BracketOutline& outline) {
  return {outline.tip, {2 * outline.along.y - outline.tip.y, 2 * outline.along.z - outline.tip.z}};
}

// Each fitted end bracket's scantling, and the length of each span's bracket
// at a primary member.
void addBrackets(std::vector<OwnLabel>& own, std::size_t order, const OrdinaryStiffener& stiffener,
                 Long stfHV) {
  for (const BracketEnd end : {BracketEnd::Start, BracketEnd::End}) {
    const Bracket& bracket = stiffener.Brackets.at(end == BracketEnd::Start ? 1 : 2);
    BracketOutline outline;
    if (!bracketOutline(bracket, stiffener, stfHV, end, outline)) continue;
    const PlaneSegment line = besideBracket(outline);
    if (!isFinite(line)) continue;
    const QString scantling = text(bracketScantlingText(bracket.Scant));
    own.push_back({order,
                   QStringLiteral("end %1 %2").arg(end == BracketEnd::Start ? 1 : 2).arg(scantling),
                   scantling,
                   LabelRank::Bracket,
                   {line}});
  }
  for (const SpanBracket& bracket : spanBrackets(stiffener, stfHV)) {
    const PlaneSegment line = besideBracket(bracket.outline);
    if (!isFinite(line)) continue;
    const QString length = "Bracket " + text(formatNumber(bracket.length, "0.000"));
    own.push_back({order,
                   QStringLiteral("span %1 %2 %3")
                       .arg(bracket.span)
                       .arg(bracket.at == BracketEnd::Start ? 1 : 2)
                       .arg(length),
                   length,
                   LabelRank::Bracket,
                   {line}});
  }
}

// One label for neighbours of one text: the middle one's, counted, free to
// stand along any of the group's lines, the middle's first.
void addGroup(DrawingLabels& labels, const OwnLabel* first, std::size_t count,
              const QColor& colour) {
  const OwnLabel& middle = first[count / 2];
  DrawingLabel label{
      count > 1 ? QStringLiteral("%1 × %2").arg(count).arg(middle.text) : middle.text,
      middle.lines.front().from,
      middle.lines.front().to,
      colour,
      middle.rank,
      LabelPlace::Along};
  label.further.assign(middle.lines.begin() + 1, middle.lines.end());
  for (std::size_t d = 1; d <= count / 2 + 1; ++d) {
    for (const std::size_t k : {count / 2 + d, count / 2 - d}) {
      if (k < count)
        label.further.insert(label.further.end(), first[k].lines.begin(), first[k].lines.end());
    }
  }
  for (std::size_t k = 0; count > 1 && k < count; ++k)
    label.group.push_back(first[k].lines.front());
  labels.push_back(std::move(label));
}

// Neighbouring stiffeners' labels of one key become one label for their group.
void addGroups(DrawingLabels& labels, std::vector<OwnLabel> own, const QColor& colour) {
  std::stable_sort(own.begin(), own.end(), [](const OwnLabel& a, const OwnLabel& b) {
    return a.key < b.key || (a.key == b.key && a.order < b.order);
  });
  for (std::size_t i = 0; i < own.size();) {
    std::size_t j = i + 1;
    while (j < own.size() && own[j].key == own[i].key && own[j].order == own[j - 1].order + 1) ++j;
    addGroup(labels, &own[i], j - i, colour);
    i = j;
  }
}

// The stiffeners' and their brackets' labels, the stiffeners taken in the
// order of their positions.
void addStiffenerLabels(DrawingLabels& labels, const Bulkhead& bulkhead,
                        const LabelSource& source) {
  std::vector<const OrdinaryStiffener*> stiffeners;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) stiffeners.push_back(&stiffener);
  std::stable_sort(stiffeners.begin(), stiffeners.end(),
                   [](const OrdinaryStiffener* a, const OrdinaryStiffener* b) {
                     return a->Position < b->Position;
                   });
  std::vector<OwnLabel> scantlings;
  std::vector<OwnLabel> brackets;
  for (std::size_t k = 0; k < stiffeners.size(); ++k) {
    addScantlings(scantlings, k, *stiffeners[k], bulkhead.stfHV, source.ship);
    addBrackets(brackets, k, *stiffeners[k], bulkhead.stfHV);
  }
  addGroups(labels, std::move(scantlings), source.style.labelColour());
  addGroups(labels, std::move(brackets), source.style.labelColour());
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
  if (options.shows(kScantlings) && shown.stiffeners) addStiffenerLabels(labels, bulkhead, source);
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
    case LabelRank::Note:
      break;
  }
  return LabelKind::AxisAndStrake;
}

QPointF onDevice(const QTransform& toDevice, PlanePoint point) {
  return toDevice.map(QPointF(point.y, point.z));
}

void addCentred(LabelLayout& layout, const DrawingLabel& label, const QFont& font,
                const QTransform& toDevice) {
  const QPointF at = onDevice(toDevice, label.at);
  std::vector<QPointF> beside;
  beside.reserve(label.beside.size());
  for (const PlanePoint& point : label.beside) beside.push_back(onDevice(toDevice, point));
  layout.addCentred(label.text, font, label.colour, at,
                    QLineF(at, onDevice(toDevice, label.to)).length(), label.kind, beside);
}

void addAlong(LabelLayout& layout, const DrawingLabel& label, const QFont& font,
              const QTransform& toDevice, double gap) {
  const auto allOnDevice = [&](const std::vector<PlaneSegment>& segments) {
    std::vector<QLineF> result;
    result.reserve(segments.size());
    for (const PlaneSegment& segment : segments) {
      result.emplace_back(onDevice(toDevice, segment.from), onDevice(toDevice, segment.to));
    }
    return result;
  };
  layout.addAlong(label.text, font, label.colour,
                  QLineF(onDevice(toDevice, label.at), onDevice(toDevice, label.to)), gap,
                  label.kind, allOnDevice(label.further), allOnDevice(label.group));
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
      case LabelPlace::Centred:
        addCentred(layout, label, font, toDevice);
        break;
      case LabelPlace::Along:
        addAlong(layout, label, font, toDevice, gap);
        break;
    }
  }
}

}  // namespace korain
