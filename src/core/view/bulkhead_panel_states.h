// What the compartment panel shows of the current bulkhead: one of its two
// compartments, and what its dialogs wait for.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "edit/compartment_edits.h"
#include "model/arrangement.h"

namespace korain {

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
