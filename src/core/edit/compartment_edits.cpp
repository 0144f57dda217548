// Setting a compartment's type, main destination and working copy on its bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/compartment_edits.h"

#include <algorithm>
#include <iterator>

#include "geometry/compartment_geometry.h"
#include "resonance/main_dimensions.h"

namespace korain {

std::vector<Long> destinationCodes(DestinationList list) {
  if (list == DestinationList::Naval) return {1, 2, 6, 7};
  return {1, 2, 3, 4, 5, 6, 7};
}

int destinationPosition(Long code, DestinationList list) {
  const std::vector<Long> codes = destinationCodes(list);
  const auto found = std::find(codes.begin(), codes.end(), code);
  return found == codes.end() ? -1 : static_cast<int>(std::distance(codes.begin(), found));
}

void setCompartmentType(Bulkhead& bulkhead, int side, Long type) {
  bulkhead.Compartments.at(side).A = type;
}

void setMainDestination(Bulkhead& bulkhead, int side, Long destination) {
  bulkhead.Compartments.at(side).B = destination;
}

void setCompartment(Bulkhead& bulkhead, int side, const Compartment& compartment) {
  bulkhead.Compartments.at(side) = compartment;
}

void setUseComputedPosition(const Bulkhead& bulkhead, Compartment& compartment, bool use) {
  compartment.UseComputedYZ = use;
  if (use) computeCompartmentPosition(bulkhead, compartment);
}

bool hasMainDimensions(const Compartment& compartment) {
  return missingMainDimensions(compartment).empty();
}

}  // namespace korain
