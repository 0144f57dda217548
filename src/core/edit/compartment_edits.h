// Changes of a bulkhead's two compartments: the type and main destination the
// compartment panel picks, and the working copies its dialogs write back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/arrangement.h"
#include "model/compartment_tables.h"

namespace korain {

// The compartments of a bulkhead by their list position.
inline constexpr int kForwardCompartment = 1;
inline constexpr int kAftwardCompartment = 2;

// Which main destinations a run offers: all seven, or the four a naval ship
// has (water ballast, fuel oil, fresh water, other).
enum class DestinationList { Full, Naval };

// The destination codes the list offers, in its order.
std::vector<Long> destinationCodes(DestinationList list);

// Where a code stands in the list; -1 for a code the list does not offer,
// which is then shown as no choice and kept until the user picks one.
int destinationPosition(Long code, DestinationList list);

void setCompartmentType(Bulkhead& bulkhead, int side, Long type);
void setMainDestination(Bulkhead& bulkhead, int side, Long destination);

// A dialog's working copy written back over the compartment on `side`.
void setCompartment(Bulkhead& bulkhead, int side, const Compartment& compartment);

// Sets or clears "always use computed values": when set, the centre of
// gravity and the vertical extent are computed at once from the bulkhead's
// contour, as every later computation of the geometry will keep them.
void setUseComputedPosition(const Bulkhead& bulkhead, Compartment& compartment, bool use);

// Length, breadth and height all greater than 0: the liquid's free surface
// and the default filling levels can be derived, so the resonance dialog opens.
bool hasMainDimensions(const Compartment& compartment);

}  // namespace korain
