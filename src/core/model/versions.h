// The version numbers that the program, its data and its file blocks agree on.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "model/program_version.h"

namespace korain {

// Version of the family's geometry data that this program works with; start-up
// goes on only when the data it is given carries this one.
inline constexpr Single kGeometryDataVersion = 2.002F;

// Version of the ZEL block this program writes.
inline constexpr Single kZelVersion = 0.443F;

}  // namespace korain
