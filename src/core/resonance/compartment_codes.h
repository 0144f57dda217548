// The codes of a compartment's type and main destination, their display
// texts, and the loading condition a destination stands for.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"

namespace korain {

// Main destination code of a compartment that carries water ballast.
inline constexpr Long kWaterBallastDestination = 1;

// The name of a compartment type (A, 1..8), or the unknown-type text.
std::string compartmentTypeText(Long type);

// The name of a main destination (B, 1..7), or the unknown text.
std::string mainDestinationText(Long destination);

// The ship's loading condition in which the compartment's liquid is judged:
// ballast tanks slosh in the ballast condition 2, everything else in the
// loaded condition 1.
// The name of a load type (N, 0..6), or the unknown text.
std::string loadTypeText(Long loadType);

int loadingConditionOf(const Compartment& compartment);

}  // namespace korain
