// Setting the brackets at the ends of the selected stiffeners' span in one interval.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/span_bracket_edits.h"

#include <algorithm>

#include "edit/stiffener_edits.h"
#include "model/codes.h"

namespace korain {
namespace {

Scantling flatBarOfWeb(const Scantling& stiffener) {
  return {.Typ = kFlatProfile, .H1 = stiffener.H1, .E1 = stiffener.E1};
}

// The ends of span `span` that are the stiffener's own ends: its first span
// starts at bracket 1, its last ends at bracket 2.
struct OwnEnds {
  bool lower;
  bool upper;
};
OwnEnds ownEndsOf(const OrdinaryStiffener& stiffener, int span) {
  return {.lower = span == 1, .upper = span == stiffener.Spans.count()};
}

void fitEndBracket(Bracket& bracket, const OrdinaryStiffener& stiffener,
                   const SpanEndBrackets& brackets) {
  bracket.Enabled = true;
  bracket.Length = brackets.length;
  bracket.Scant = brackets.scantling.value_or(flatBarOfWeb(stiffener.Scant));
}

void setOnStiffener(OrdinaryStiffener& stiffener, int span, const SpanEndBrackets& brackets) {
  StiffenerSpan& edited = stiffener.Spans.at(span);
  const OwnEnds own = ownEndsOf(stiffener, span);
  if (brackets.lower) {
    edited.LowerBracketLength = brackets.length;
    if (own.lower) fitEndBracket(stiffener.Brackets.at(1), stiffener, brackets);
  }
  if (brackets.upper) {
    edited.UpperBracketLength = brackets.length;
    if (own.upper) fitEndBracket(stiffener.Brackets.at(2), stiffener, brackets);
  }
}

}  // namespace

void setSpanEndBrackets(Bulkhead& bulkhead, int interval, const SpanEndBrackets& brackets) {
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    const int span = spanInInterval(stiffener, interval);
    if (stiffener.Selected && span > 0) setOnStiffener(stiffener, span, brackets);
  }
}

int selectedWithoutSpan(const Bulkhead& bulkhead, int interval) {
  int without = 0;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    if (stiffener.Selected && spanInInterval(stiffener, interval) == 0) ++without;
  }
  return without;
}

bool fitsBracketBesideSoftToe(const Bulkhead& bulkhead, int interval,
                              const SpanEndBrackets& brackets) {
  return std::ranges::any_of(bulkhead.Stiffeners, [&](const OrdinaryStiffener& stiffener) {
    const int span = spanInInterval(stiffener, interval);
    if (!stiffener.Selected || span == 0 || stiffener.TypeConn != kSoftToe) return false;
    const OwnEnds own = ownEndsOf(stiffener, span);
    return (brackets.lower && own.lower) || (brackets.upper && own.upper);
  });
}

}  // namespace korain
