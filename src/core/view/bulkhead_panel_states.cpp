// The bulkhead and compartment panels' values and stool rows, from the current bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/bulkhead_panel_states.h"

#include "resonance/main_dimensions.h"

namespace korain {
CompartmentPanelState compartmentPanelState(const Bulkhead* bulkhead, int side,
                                            DestinationList destinations) {
  if (bulkhead == nullptr || !bulkhead->Compartments.inBounds(side)) return {};
  const Compartment& compartment = bulkhead->Compartments.at(side);
  const bool knownType = compartment.A >= 1 && compartment.A <= kCompartmentTypeCount;
  return {.Enabled = true,
          .Type = knownType ? static_cast<int>(compartment.A - 1) : -1,
          .Destination = destinationPosition(compartment.B, destinations),
          .ResonanceEnabled = hasMainDimensions(compartment),
          .ResonanceUnavailable = missingMainDimensions(compartment)};
}

}  // namespace korain
