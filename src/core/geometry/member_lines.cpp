// The ends of member, stiffener and knuckle lines on the contour, and where members cross them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/member_lines.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/codes.h"

namespace korain {
namespace {

CutDirection cutDirectionOf(Long direction) {
  return direction == kVertical ? CutDirection::Vertical : CutDirection::Horizontal;
}

void sortPair(double& a, double& b) {
  if (b < a) std::swap(a, b);
}

Integer stoolEnds(const Contour& contour, bool enabled, Single level, Single& end1, Single& end2) {
  end1 = end2 = 0;
  if (!enabled) return 1;
  const ContourCuts cuts = contour.cut(level, CutDirection::Horizontal);
  end1 = static_cast<Single>(cuts.first);
  end2 = static_cast<Single>(cuts.second);
  return cuts.count == 2 ? 1 : 0;
}

}  // namespace

LineEnds lineEnds(const Contour& contour, const Bulkhead& bulkhead, double position,
                  Long direction) {
  const ContourCuts cuts = contour.cut(position, cutDirectionOf(direction));
  LineEnds ends{cuts.first, cuts.second};
  sortPair(ends.first, ends.second);
  if (direction == kVertical) {
    ends.first = std::max(ends.first, static_cast<double>(bulkhead.ZLow));
    ends.second = std::min(ends.second, static_cast<double>(bulkhead.ZHigh));
    if (cuts.count < 1) ends.first = bulkhead.ZLow;
    if (cuts.count < 2) ends.second = bulkhead.ZHigh;
    sortPair(ends.first, ends.second);
  }
  return ends;
}

void crossingExtremities(const Bulkhead& bulkhead, double position, Long direction, LineEnds ends,
                         List<Single>& extremities) {
  const PlaneSegment line = lineSegment(position, direction, ends.first, ends.second);
  std::vector<Single> values{static_cast<Single>(ends.first), static_cast<Single>(ends.second)};
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    if (member.HV == direction || !member.Extremities.isDimensioned()) continue;
    const PlaneSegment crossing = primarySegment(member);
    PlanePoint at;
    if (segmentIntersection(line.from, line.to, crossing.from, crossing.to, at,
                            kGeometryTolerance)) {
      values.push_back(member.Placed);
    }
  }
  // Values that are not numbers (from data that are not) go last, so that the
  // sort always has an order to follow.
  std::sort(values.begin(), values.end(),
            [](Single a, Single b) { return a < b || (!std::isnan(a) && std::isnan(b)); });
  values.erase(std::unique(values.begin(), values.end()), values.end());
  extremities.redim(static_cast<int>(values.size()));
  for (int i = 1; i <= extremities.count(); ++i) {
    extremities.at(i) = values[static_cast<std::size_t>(i - 1)];
  }
}

PlaneSegment lineSegment(double position, Long direction, double first, double last) {
  if (direction == kVertical) return {{position, first}, {position, last}};
  return {{first, position}, {last, position}};
}

PlaneSegment primarySegment(const PrimaryMember& member) {
  if (!member.Extremities.isDimensioned()) return lineSegment(member.Placed, member.HV, 0, 0);
  return lineSegment(member.Placed, member.HV, member.Extremities.first(),
                     member.Extremities.last());
}

bool secondarySegment(const OrdinaryStiffener& stiffener, Long stfHV, int span,
                      PlaneSegment& segment) {
  if (span < 1 || span + 1 > stiffener.Extremities.count()) return false;
  segment = lineSegment(stiffener.Position, stfHV, stiffener.Extremities.at(span),
                        stiffener.Extremities.at(span + 1));
  return true;
}

namespace {

// The triangle of a bracket at `end` of the stiffener's line, reaching
// `inward` along it (negative: towards lower positions).
BracketOutline bracketAt(double position, Long stfHV, double end, double inward) {
  // The leg beside the stiffener is a little shorter than the one along it.
  const double leg = std::abs(inward) * 0.6;
  if (stfHV == kVertical) return {{position, end + inward}, {position + leg, end}, {position, end}};
  return {{end + inward, position}, {end, position + leg}, {end, position}};
}

}  // namespace

bool bracketOutline(const Bracket& bracket, const OrdinaryStiffener& stiffener, Long stfHV,
                    BracketEnd at, BracketOutline& outline) {
  if (!bracket.Enabled || !(bracket.Length > 0) || !stiffener.Extremities.isDimensioned()) {
    return false;
  }
  const bool atStart = at == BracketEnd::Start;
  const double end = atStart ? stiffener.Extremities.first() : stiffener.Extremities.last();
  outline = bracketAt(stiffener.Position, stfHV, end, atStart ? bracket.Length : -bracket.Length);
  return true;
}

std::vector<SpanBracket> spanBrackets(const OrdinaryStiffener& stiffener, Long stfHV) {
  std::vector<SpanBracket> result;
  const int ends = stiffener.Extremities.count();
  const auto fitted = [](double length) { return std::isfinite(length) && length > 0; };
  for (int s = 1; s <= std::min(stiffener.Spans.count(), ends - 1); ++s) {
    const StiffenerSpan& span = stiffener.Spans.at(s);
    if (s > 1 && fitted(span.LowerBracketLength)) {
      const double length = span.LowerBracketLength;
      result.push_back({s, BracketEnd::Start, length,
                        bracketAt(stiffener.Position, stfHV, stiffener.Extremities.at(s), length)});
    }
    if (s + 1 < ends && fitted(span.UpperBracketLength)) {
      const double length = span.UpperBracketLength;
      result.push_back(
          {s, BracketEnd::End, length,
           bracketAt(stiffener.Position, stfHV, stiffener.Extremities.at(s + 1), -length)});
    }
  }
  return result;
}

Integer computeBHeadStoolPosition(Bulkhead& bulkhead, const Contour& contour) {
  const Integer lower = stoolEnds(contour, bulkhead.Stool1Enabled, bulkhead.Stool1Z,
                                  bulkhead.Stool1End1, bulkhead.Stool1End2);
  const Integer upper = stoolEnds(contour, bulkhead.Stool2Enabled, bulkhead.Stool2Z,
                                  bulkhead.Stool2End1, bulkhead.Stool2End2);
  return lower != 0 && upper != 0 ? 1 : 0;
}

}  // namespace korain
