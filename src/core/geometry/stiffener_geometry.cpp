// The ends and spans of ordinary stiffeners, and the support interval that holds each span.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/stiffener_geometry.h"

#include <cmath>
#include <utility>

#include "geometry/member_lines.h"
#include "geometry/plane.h"

namespace korain {
namespace {

void fitSpans(OrdinaryStiffener& stiffener) {
  stiffener.Spans.resize(stiffener.Extremities.count() - 1);
  if (stiffener.Spans.count() > 1) stiffener.SpanReduction = 0;
  if (!stiffener.Spans.isDimensioned()) return;
  stiffener.Spans.first().LowerBracketLength = stiffener.Brackets.at(1).Length;
  stiffener.Spans.last().UpperBracketLength = stiffener.Brackets.at(2).Length;
}

int intervalHolding(const List<SupportInterval>& supports, double at) {
  for (int i = 1; i <= supports.count(); ++i) {
    if (isInRange(at, supports.at(i).Start, supports.at(i).End, kGeometryTolerance)) return i;
  }
  return 0;
}

void placeSpans(OrdinaryStiffener& stiffener, const List<SupportInterval>& supports) {
  stiffener.IntervalSpans.redim(supports.count());
  for (int s = 1; s <= stiffener.Spans.count(); ++s) {
    const double middle =
        (static_cast<double>(stiffener.Extremities.at(s)) + stiffener.Extremities.at(s + 1)) / 2;
    const int interval = intervalHolding(supports, middle);
    stiffener.Spans.at(s).IntervalNumber = static_cast<Integer>(interval);
    if (interval > 0) stiffener.IntervalSpans.at(interval) = static_cast<Integer>(s);
  }
}

}  // namespace

void computeStiffeners(Bulkhead& bulkhead, const Contour& contour, BulkheadReport& report) {
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
    OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
    const LineEnds ends = lineEnds(contour, bulkhead, stiffener.Position, bulkhead.stfHV);
    crossingExtremities(bulkhead, stiffener.Position, bulkhead.stfHV, ends, stiffener.Extremities);
    fitSpans(stiffener);
    if (std::abs(stiffener.Extremities.last() - stiffener.Extremities.first()) <
        kGeometryTolerance) {
      report.warn({PanelCode::OrdinaryStiffeners, k}, "Ordinary ¤ in '¤' has no size",
                  {k, bulkhead.Name});
    }
    placeSpans(stiffener, bulkhead.Supports);
  }
}

void sortStiffeners(Bulkhead& bulkhead) {
  List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  for (int i = 1; i <= stiffeners.count(); ++i) {
    for (int j = stiffeners.count(); j > i; --j) {
      if (stiffeners.at(j).Position < stiffeners.at(i).Position) {
        std::swap(stiffeners.at(i), stiffeners.at(j));
      }
    }
  }
}

}  // namespace korain
