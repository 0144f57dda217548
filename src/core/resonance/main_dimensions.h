// The main dimensions of a compartment that the risk of resonance is judged
// from: its length, breadth and height, each of which must be positive.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

struct CompartmentDimension {
  std::string_view name;
  Single value = 0;
};

// Length, breadth and height, in that order, named as the messages name them.
std::array<CompartmentDimension, 3> resonanceDimensions(const Compartment& compartment);

// Why the resonance of the compartment cannot be judged ("Length, breadth and
// height must be positive: height is -5 m"); empty when all three are positive.
std::string missingMainDimensions(const Compartment& compartment);

}  // namespace korain
