// The bulkhead and compartment panels' values and stool rows, from the current bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/bulkhead_panel_states.h"

#include "resonance/main_dimensions.h"

namespace korain {
namespace {

StoolRow stoolRow(bool on, Single top, Single limit, const Bulkhead& bulkhead) {
  if (bulkhead.ZMin > bulkhead.ZMax) return {.On = on, .Top = top};
  return {.On = on, .Top = on ? top : limit, .Range = std::pair(bulkhead.ZMin, bulkhead.ZMax)};
}

}  // namespace

BulkheadPanelState bulkheadPanelState(const Bulkhead* bulkhead) {
  if (bulkhead == nullptr) return {};
  const Bulkhead& b = *bulkhead;
  return {.Shown = bulkheadDataOf(b),
          .Stools = {stoolRow(b.Stool1Enabled, b.Stool1Z, b.ZMin, b),
                     stoolRow(b.Stool2Enabled, b.Stool2Z, b.ZMax, b)},
          .SlopedEditable = b.Stool2Enabled};
}

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
