// What the ordinary stiffeners panel shows besides its form tables: the
// selected group's position and spacing, the axis it is measured on, the
// support interval of the span tabs, the groups each tab shows, and the
// question a soft toe beside a bracket asks before it is stored.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "edit/stiffener_edits.h"
#include "model/arrangement.h"
#include "view/form_table.h"

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
  // The group's position is its first selected stiffener's; its spacing that
  // of its first two.
  std::optional<Single> Position = std::nullopt;
  std::optional<Single> Spacing = std::nullopt;
  bool AnySelected = false;
  // The position runs across the stiffeners: along y for vertical ones.
  std::string_view AxisCaption;
  // The support interval of the span tabs, and whether there is one before and after it.
  int Interval = 0;
  bool EarlierInterval = false;
  bool LaterInterval = false;

  bool operator==(const StiffenerPanelState&) const = default;
};

StiffenerTabGroups stiffenerTabGroups(StiffenerTab tab);

StiffenerPanelState stiffenerPanelState(const Bulkhead& bulkhead);

inline constexpr char kSoftToeQuestion[] =
    "Warning: connection type SOFT TOE With brackets is not permetted.Do you want continue ?";

// A soft toe is not allowed beside a bracket: the question asked before a
// value of the stiffeners panel is stored, as often as `times` says (once for
// each selected stiffener it concerns, until answered No); on No, `onNo` is
// stored instead, or nothing when it holds none.
struct StiffenerQuestion {
  int times = 0;
  std::optional<FormValue> onNo = std::nullopt;

  bool operator==(const StiffenerQuestion&) const = default;
};

// Choosing the soft toe asks for each selected stiffener with a bracket, and
// No gives no soft toe; fitting a bracket to a selection with a soft toe asks
// once, and No fits none. Any other value asks nothing.
std::optional<StiffenerQuestion> questionBefore(const Bulkhead& bulkhead,
                                                std::string_view objectName,
                                                const FormValue& value);

}  // namespace korain
