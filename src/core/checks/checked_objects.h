// What a check display gives each strake, stiffener span and bracket.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "checks/check_value.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

// The fixed colour of the brackets that the span reduction and connection
// checks show without a value of their own: palette position 7.
inline constexpr Long kOtherBracketsPosition = 7;

// One object of the drawing and what decides its colour: its value when the
// check gives it one, else the fixed palette position (0: not coloured).
struct CheckedObject {
  Long* ColourIndex = nullptr;
  std::optional<CheckValue> Value;
  Long FixedPosition = 0;
  // An object the check is about that has no value: a span without a section
  // modulus, which the legend lists under an entry of its own.
  bool Unvalued = false;
};

// Every strake, stiffener span and bracket of the arrangement in list order:
// bulkhead by bulkhead its strakes band by band, then stiffener by stiffener
// its spans and its two brackets. A bracket that is not fitted is never coloured.
// The section modulus check values each span by its gross modulus at the
// flange (cm³), as it is: the ranges are the legend's.
std::vector<CheckedObject> checkedObjects(Arrangement& arrangement, Long mode,
                                          const ShipData& ship);

}  // namespace korain
