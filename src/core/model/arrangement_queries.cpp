// Questions about a whole arrangement that decide which parts of the ZEL block are written.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/arrangement_queries.h"

#include <algorithm>

namespace korain {
namespace {

template <typename Predicate>
bool anySpan(const Arrangement& arrangement, Predicate predicate) {
  return std::ranges::any_of(arrangement.Bulkheads, [&](const Bulkhead& bulkhead) {
    return std::ranges::any_of(bulkhead.Stiffeners, [&](const OrdinaryStiffener& stiffener) {
      return std::ranges::any_of(stiffener.Spans, predicate);
    });
  });
}

}  // namespace

bool anyNode(const Arrangement& arrangement) {
  return std::ranges::any_of(arrangement.Bulkheads,
                             [](const Bulkhead& b) { return b.Nodes.isDimensioned(); });
}

bool anyPrimaryMember(const Arrangement& arrangement) {
  return std::ranges::any_of(arrangement.Bulkheads,
                             [](const Bulkhead& b) { return b.PrimaryMembers.isDimensioned(); });
}

bool anyOrdinaryStiffener(const Arrangement& arrangement) {
  return std::ranges::any_of(arrangement.Bulkheads,
                             [](const Bulkhead& b) { return b.Stiffeners.isDimensioned(); });
}

bool spanHasBrackets(const StiffenerSpan& span) {
  return span.LowerBracketLength + span.UpperBracketLength > 0;
}

bool hasBracket(const OrdinaryStiffener& stiffener) {
  return stiffener.Brackets.at(1).Enabled || stiffener.Brackets.at(2).Enabled;
}

bool anySpanWithScantling(const Arrangement& arrangement) {
  return anySpan(arrangement, [](const StiffenerSpan& span) { return span.HasScantling; });
}

bool anySpanWithBrackets(const Arrangement& arrangement) {
  return anySpan(arrangement, spanHasBrackets);
}

}  // namespace korain
