// Naming in the message list the spans whose values make no section.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/section_faults.h"

#include "geometry/plane.h"
#include "model/codes.h"
#include "properties/span_properties.h"

namespace korain {
namespace {

// Faults the other checks name already (a dimension or a thickness that is not
// positive, a stiffener outside the bulkhead) are not named twice.
bool namedElsewhere(const Bulkhead& bulkhead, const SpanProperties& span) {
  if (span.cause == MissingCause::NotPositive || span.cause == MissingCause::StrakeThickness) {
    return true;
  }
  const double position = bulkhead.Stiffeners.at(span.stiffener).Position;
  const bool vertical = bulkhead.stfHV == kVertical;
  return !isInRange(position, vertical ? bulkhead.YMin : bulkhead.ZMin,
                    vertical ? bulkhead.YMax : bulkhead.ZMax, kGeometryTolerance);
}

}  // namespace

void reportSectionFaults(const Bulkhead& bulkhead, BulkheadReport& report) {
  for (const SpanProperties& span : spanProperties(bulkhead, 0)) {
    if (!span.faulty() || namedElsewhere(bulkhead, span)) continue;
    const StiffenerSpan& record = bulkhead.Stiffeners.at(span.stiffener).Spans.at(span.span);
    // The panel names a span by the support interval it lies in.
    const int interval = record.IntervalNumber > 0 ? record.IntervalNumber : span.span;
    report.warn({PanelCode::OrdinaryStiffeners, span.stiffener, interval},
                "Span ¤ of ordinary ¤ in '¤' has no section modulus: ¤",
                {interval, span.stiffener, bulkhead.Name, span.missing});
  }
}

}  // namespace korain
