// Brackets at the ends of one span of the selected stiffeners, set in one step.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "model/arrangement.h"

namespace korain {

// The brackets to set at the ends of a span: which ends, the bracket's length
// along the stiffener (m), and its scantling; without one, a flat bar as high
// and as thick as the stiffener's own web.
struct SpanEndBrackets {
  bool lower = false;
  bool upper = false;
  Single length = 0;
  std::optional<Scantling> scantling;
};

// Sets the brackets at the chosen ends of the span in support interval
// `interval` of every selected stiffener. An end of the span on a primary
// member takes the length as the span's bracket length there. An end that is
// the stiffener's own end is its end bracket: switched on, given the length
// and the scantling, and the span's bracket length follows it. Stiffeners
// without a span in that interval are left as they were.
void setSpanEndBrackets(Bulkhead& bulkhead, int interval, const SpanEndBrackets& brackets);

// How many selected stiffeners have no span in the interval, and so keep
// their brackets.
int selectedWithoutSpan(const Bulkhead& bulkhead, int interval);

// Whether the change would fit an end bracket to a selected stiffener with a
// soft-toe connection, which the rule allows only without brackets.
bool fitsBracketBesideSoftToe(const Bulkhead& bulkhead, int interval,
                              const SpanEndBrackets& brackets);

}  // namespace korain
