// Placing every span of the ordinary stiffeners, and computing its section properties.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/span_properties.h"

#include "model/codes.h"
#include "properties/attached_plate.h"
#include "text/format_message.h"

namespace korain {
namespace {

PlanePoint onStiffener(const Bulkhead& bulkhead, double position, double along) {
  if (bulkhead.stfHV == kVertical) return {.y = position, .z = along};
  return {.y = along, .z = position};
}

void placeSpan(const Bulkhead& bulkhead, const OrdinaryStiffener& stiffener, SpanProperties& span) {
  const int s = span.span;
  const double from = stiffener.Extremities.at(s);
  const double to = stiffener.Extremities.at(s + 1);
  span.start = onStiffener(bulkhead, stiffener.Position, from);
  span.end = onStiffener(bulkhead, stiffener.Position, to);
  span.length = to - from;
}

void computeNet(SpanProperties& span, double deduction) {
  if (deduction <= 0) return;
  const std::optional<NetSection> net = deducted(*span.shape, *span.plate, deduction);
  if (!net) {
    span.netMissing = formatMessage(
        "a deduction of ¤ mm leaves the plate, the web or the flange without thickness",
        {deduction});
    return;
  }
  span.net = sectionProperties(net->shape, net->plate);
}

SpanProperties oneSpan(const Bulkhead& bulkhead, int k, int s, double deduction,
                       const AttachedPlating& plating) {
  const OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
  const StiffenerSpan& record = stiffener.Spans.at(s);
  SpanProperties span;
  span.stiffener = k;
  span.span = s;
  span.profile = record.HasScantling ? record.Scant : stiffener.Scant;
  span.material = record.HasScantling ? record.Mat : stiffener.iMat;
  span.lowerBracket = record.LowerBracketLength;
  span.upperBracket = record.UpperBracketLength;
  if (stiffener.Extremities.count() < s + 1) {
    span.missing = "the span's ends are not known";
    span.cause = MissingCause::NoEnds;
    return span;
  }
  placeSpan(bulkhead, stiffener, span);
  const ShapeOrReason shape = profileShape(span.profile);
  span.shape = shape.shape;
  const PlanePoint middle{.y = (span.start.y + span.end.y) / 2,
                          .z = (span.start.z + span.end.z) / 2};
  const PlateOrReason plate = plating.at(k, middle);
  span.plate = plate.plate;
  span.plateBand = plate.band;
  span.plateStrake = plate.strake;
  if (!shape.shape) {
    span.missing = shape.reason;
    span.cause = shape.cause;
    return span;
  }
  if (!plate.plate) {
    span.missing = plate.reason;
    span.cause = plate.cause;
    return span;
  }
  span.gross = sectionProperties(*span.shape, *span.plate);
  computeNet(span, deduction);
  return span;
}

void addStiffenerSpans(const Bulkhead& bulkhead, int k, double deduction,
                       const AttachedPlating& plating, std::vector<SpanProperties>& spans) {
  for (int s = 1; s <= bulkhead.Stiffeners.at(k).Spans.count(); ++s) {
    spans.push_back(oneSpan(bulkhead, k, s, deduction, plating));
  }
}

}  // namespace

std::vector<SpanProperties> spanProperties(const Bulkhead& bulkhead, double deduction) {
  const AttachedPlating plating(bulkhead);
  std::vector<SpanProperties> spans;
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
    addStiffenerSpans(bulkhead, k, deduction, plating, spans);
  }
  return spans;
}

std::vector<SpanProperties> stiffenerSpanProperties(const Bulkhead& bulkhead, int stiffener,
                                                    double deduction) {
  std::vector<SpanProperties> spans;
  if (!bulkhead.Stiffeners.inBounds(stiffener)) return spans;
  addStiffenerSpans(bulkhead, stiffener, deduction, AttachedPlating(bulkhead), spans);
  return spans;
}

}  // namespace korain
