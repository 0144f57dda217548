// What the ordinary stiffeners panel shows for the selected stiffeners of a
// bulkhead on one of its tabs: the values they share, and what can be edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "edit/stiffener_edits.h"
#include "model/arrangement.h"

namespace korain {

// The groups of fields a tab shows; the others keep their place hidden.
struct StiffenerTabGroups {
  bool Scantling = false;
  bool BulbAndNullTypes = false;  // a bracket is no bulb and no null profile
  bool Material = false;
  bool SpanReduction = false;
  bool Bracket = false;
  bool Span = false;
  bool DefaultScantling = false;
  bool SpanBracket = false;
  bool Connection = false;

  bool operator==(const StiffenerTabGroups&) const = default;
};

struct StiffenerPanelState {
  // A value the selected stiffeners do not all share, or that one of them has
  // not on this tab, is left empty: the field writes nothing until typed in.
  StiffenerValues Shown = {};
  // The group's position is its first selected stiffener's; its spacing that
  // of its first two.
  std::optional<Single> Position = std::nullopt;
  std::optional<Single> Spacing = std::nullopt;
  std::optional<Long> Connection = std::nullopt;

  bool AnySelected = false;
  // The scantling of a bracket that is not fitted, or of a span that takes
  // the stiffener's, is not the tab's to edit.
  bool ScantlingEditable = false;
  // The web fields serve every profile but the null one; the flange fields
  // angles and tees.
  bool WebEditable = false;
  bool FlangeEditable = false;

  bool operator==(const StiffenerPanelState&) const = default;
};

StiffenerTabGroups stiffenerTabGroups(StiffenerTab tab);

// The state for the bulkhead's selected stiffeners in its current support interval.
StiffenerPanelState stiffenerPanelState(const Bulkhead& bulkhead, StiffenerTab tab);

}  // namespace korain
