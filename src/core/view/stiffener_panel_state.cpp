// The ordinary stiffeners panel's group, interval and tab groups, and its soft-toe question.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/stiffener_panel_state.h"

#include <algorithm>
#include <vector>

#include "model/arrangement_queries.h"

namespace korain {
namespace {

bool isBracketTab(StiffenerTab tab) {
  return tab == StiffenerTab::UpperBracket || tab == StiffenerTab::LowerBracket;
}

bool selectedWith(const Bulkhead& bulkhead, auto test) {
  return std::ranges::any_of(bulkhead.Stiffeners,
                             [&](const OrdinaryStiffener& s) { return s.Selected && test(s); });
}

}  // namespace

StiffenerTabGroups stiffenerTabGroups(StiffenerTab tab) {
  const bool ownScantling = tab == StiffenerTab::Scantling || tab == StiffenerTab::SpanScantling;
  return {.Scantling = tab != StiffenerTab::SpanBracket,
          .BulbAndNullTypes = !isBracketTab(tab),
          .Material = ownScantling,
          .SpanReduction = tab == StiffenerTab::Scantling,
          .Bracket = isBracketTab(tab),
          .Span = tab == StiffenerTab::SpanScantling || tab == StiffenerTab::SpanBracket,
          .DefaultScantling = tab == StiffenerTab::SpanScantling,
          .SpanBracket = tab == StiffenerTab::SpanBracket,
          .Connection = ownScantling};
}

StiffenerPanelState stiffenerPanelState(const Bulkhead& bulkhead) {
  std::vector<Single> positions;
  for (const OrdinaryStiffener& s : bulkhead.Stiffeners) {
    if (s.Selected) positions.push_back(s.Position);
  }
  StiffenerPanelState state{.AnySelected = !positions.empty(),
                            .AxisCaption = bulkhead.stfHV == kVertical ? "&Y :" : "&Z :",
                            .Interval = bulkhead.CurSpan,
                            .EarlierInterval = bulkhead.CurSpan > 1,
                            .LaterInterval = bulkhead.CurSpan < bulkhead.Supports.count()};
  if (!positions.empty()) state.Position = positions[0];
  if (positions.size() >= 2) state.Spacing = positions[1] - positions[0];
  return state;
}

std::optional<StiffenerQuestion> questionBefore(const Bulkhead& bulkhead,
                                                std::string_view objectName,
                                                const FormValue& value) {
  if (objectName == "CB_typeConn" && value == FormValue{static_cast<double>(kSoftToe)}) {
    const auto bracketed = std::ranges::count_if(
        bulkhead.Stiffeners,
        [](const OrdinaryStiffener& s) { return s.Selected && hasBracket(s); });
    if (bracketed == 0) return std::nullopt;
    return StiffenerQuestion{.times = static_cast<int>(bracketed),
                             .onNo = FormValue{static_cast<double>(kNoSoftToe)}};
  }
  // Unticking "No bracket" fits the bracket.
  const bool allSoftToe =
      !selectedWith(bulkhead, [](const OrdinaryStiffener& s) { return s.TypeConn != kSoftToe; });
  if (objectName == "OP_Brack_1" && value == FormValue{false} && allSoftToe &&
      selectedWith(bulkhead, [](const OrdinaryStiffener&) { return true; })) {
    return StiffenerQuestion{.times = 1};
  }
  return std::nullopt;
}

}  // namespace korain
