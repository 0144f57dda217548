// What the bulkhead and compartment panels show of the current bulkhead: its
// own data, the rows of its two stools, and one of its two compartments.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "edit/bulkhead_edits.h"
#include "edit/compartment_edits.h"
#include "model/arrangement.h"

namespace korain {

struct StoolRow {
  bool On = false;
  // The top shown. A stool that is off shows where its top would start, the
  // bulkhead's lowest or highest point, once the bulkhead has a height.
  std::optional<Single> Top = std::nullopt;
  // The tops the field takes: within the bulkhead's height; any before it has one.
  std::optional<std::pair<Single, Single>> Range = std::nullopt;

  bool operator==(const StoolRow&) const = default;
};

struct BulkheadPanelState {
  // None without a bulkhead: the panel shows nothing and takes nothing.
  std::optional<BulkheadData> Shown = std::nullopt;
  std::array<StoolRow, 2> Stools = {};
  // Only an upper stool can be sloped.
  bool SlopedEditable = false;

  bool operator==(const BulkheadPanelState&) const = default;
};

BulkheadPanelState bulkheadPanelState(const Bulkhead* bulkhead);

// The compartment types, 1 to 8.
inline constexpr Long kCompartmentTypeCount = 8;

struct CompartmentPanelState {
  // Without a bulkhead the panel shows nothing and takes nothing.
  bool Enabled = false;
  // The lists' indices; -1 shows no choice, for a code the list does not
  // offer, which is kept until the user picks one.
  int Type = -1;
  int Destination = -1;
  bool ResonanceEnabled = false;
  // Why the Resonance button is unavailable, for its tip; empty while it is.
  std::string ResonanceUnavailable;

  bool operator==(const CompartmentPanelState&) const = default;
};

// The state of the compartment on `side` (forward or aftward) of a bulkhead.
CompartmentPanelState compartmentPanelState(const Bulkhead* bulkhead, int side,
                                            DestinationList destinations);

}  // namespace korain
