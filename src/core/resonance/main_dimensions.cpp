// A compartment's length, breadth and height for the resonance, and which are missing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/main_dimensions.h"

#include "model/compartment_tables.h"
#include "text/format_message.h"

namespace korain {

std::array<CompartmentDimension, 3> resonanceDimensions(const Compartment& compartment) {
  const FixedList<Single, 20>& t = compartment.Table1;
  return {{{"length", t.at(kLengthEntry)},
           {"breadth", t.at(kBreadthEntry)},
           {"height", t.at(kHeightEntry)}}};
}

std::string missingMainDimensions(const Compartment& compartment) {
  std::string missing;
  for (const CompartmentDimension& dimension : resonanceDimensions(compartment)) {
    if (dimension.value > 0) continue;
    missing += formatMessage(missing.empty() ? "¤ is ¤ m" : ", ¤ is ¤ m",
                             {dimension.name, dimension.value});
  }
  if (missing.empty()) return missing;
  return "Length, breadth and height must be positive: " + missing;
}

}  // namespace korain
