// The values the selected stiffeners share on a tab, and which of them can be edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/stiffener_panel_state.h"

#include <vector>

namespace korain {
namespace {

bool isBracketTab(StiffenerTab tab) {
  return tab == StiffenerTab::UpperBracket || tab == StiffenerTab::LowerBracket;
}

const StiffenerSpan* currentSpan(const OrdinaryStiffener& stiffener, int interval) {
  const int span = spanInInterval(stiffener, interval);
  return span == 0 ? nullptr : &stiffener.Spans.at(span);
}

// The scantling a tab edits of a stiffener; none on the span bracket tab and
// for a stiffener without a span in the interval.
const Scantling* tabScantling(const OrdinaryStiffener& stiffener, StiffenerTab tab, int interval) {
  switch (tab) {
    case StiffenerTab::Scantling:
      return &stiffener.Scant;
    case StiffenerTab::UpperBracket:
    case StiffenerTab::LowerBracket:
      return &stiffener.Brackets.at(bracketOfTab(tab)).Scant;
    case StiffenerTab::SpanScantling: {
      const StiffenerSpan* span = currentSpan(stiffener, interval);
      return span == nullptr ? nullptr : &span->Scant;
    }
    case StiffenerTab::SpanBracket:
      break;
  }
  return nullptr;
}

// The value every selected stiffener shares; none when they differ, when one
// of them has none, or when nothing is selected.
template <typename Get>
auto shared(const Bulkhead& bulkhead, Get get) -> decltype(get(bulkhead.Stiffeners.first())) {
  decltype(get(bulkhead.Stiffeners.first())) result;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    if (!stiffener.Selected) continue;
    const auto value = get(stiffener);
    if (!value || (result && *result != *value)) return std::nullopt;
    result = value;
  }
  return result;
}

template <typename T>
std::optional<T> given(const T* value) {
  return value == nullptr ? std::nullopt : std::optional<T>(*value);
}

StiffenerValues sharedValues(const Bulkhead& bulkhead, StiffenerTab tab) {
  const int interval = bulkhead.CurSpan;
  const auto ofScantling = [&](auto field) {
    return shared(bulkhead, [&](const OrdinaryStiffener& s) {
      const Scantling* scantling = tabScantling(s, tab, interval);
      return given(scantling == nullptr ? nullptr : &(scantling->*field));
    });
  };
  const auto ofSpan = [&](auto field) {
    return shared(bulkhead, [&](const OrdinaryStiffener& s) {
      const StiffenerSpan* span = currentSpan(s, interval);
      return given(span == nullptr ? nullptr : &(span->*field));
    });
  };
  const auto ofStiffener = [&](auto field) {
    return shared(bulkhead, [&](const OrdinaryStiffener& s) { return std::optional(s.*field); });
  };
  StiffenerValues values{.Typ = ofScantling(&Scantling::Typ),
                         .H1 = ofScantling(&Scantling::H1),
                         .E1 = ofScantling(&Scantling::E1),
                         .H2 = ofScantling(&Scantling::H2),
                         .E2 = ofScantling(&Scantling::E2),
                         .Mat = tab == StiffenerTab::SpanScantling
                                    ? ofSpan(&StiffenerSpan::Mat)
                                    : ofStiffener(&OrdinaryStiffener::iMat),
                         .SpanReduction = ofStiffener(&OrdinaryStiffener::SpanReduction),
                         .LowerBracketLength = ofSpan(&StiffenerSpan::LowerBracketLength),
                         .UpperBracketLength = ofSpan(&StiffenerSpan::UpperBracketLength)};
  if (const std::optional<bool> own = ofSpan(&StiffenerSpan::HasScantling)) {
    values.DefaultScantling = !*own;
  }
  if (isBracketTab(tab)) {
    const auto ofBracket = [&](auto field) {
      return shared(bulkhead, [&](const OrdinaryStiffener& s) {
        return std::optional(s.Brackets.at(bracketOfTab(tab)).*field);
      });
    };
    values.Fixed = ofBracket(&Bracket::Fixed);
    if (const std::optional<bool> fitted = ofBracket(&Bracket::Enabled))
      values.NoBracket = !*fitted;
    values.BracketLength = ofBracket(&Bracket::Length);
  }
  return values;
}

bool isScantlingEditable(const StiffenerValues& shown, StiffenerTab tab) {
  if (isBracketTab(tab)) return shown.NoBracket == false;
  if (tab == StiffenerTab::SpanScantling) return shown.DefaultScantling == false;
  return true;
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

StiffenerPanelState stiffenerPanelState(const Bulkhead& bulkhead, StiffenerTab tab) {
  StiffenerPanelState state{.Shown = sharedValues(bulkhead, tab)};
  std::vector<Single> positions;
  for (const OrdinaryStiffener& s : bulkhead.Stiffeners) {
    if (s.Selected) positions.push_back(s.Position);
  }
  if (!positions.empty()) state.Position = positions[0];
  if (positions.size() >= 2) state.Spacing = positions[1] - positions[0];
  state.Connection =
      shared(bulkhead, [](const OrdinaryStiffener& s) { return std::optional(s.TypeConn); });
  state.AnySelected = !positions.empty();
  state.ScantlingEditable = state.AnySelected && isScantlingEditable(state.Shown, tab);
  if (!state.ScantlingEditable) state.Shown.Typ = std::nullopt;
  const std::optional<Long> type = state.Shown.Typ;
  state.FlangeEditable = type == kAngleProfile || type == kTeeProfile;
  state.WebEditable = type == kFlatProfile || type == kBulbProfile || state.FlangeEditable;
  return state;
}

}  // namespace korain
