// The check display modes: which property the drawing colours its objects by.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain::check_mode {

inline constexpr Long kScantling = 0;         // scantling label of spans and brackets
inline constexpr Long kMaterial = 5;          // material of strakes and spans
inline constexpr Long kThickness = 6;         // strake thickness
inline constexpr Long kSpanReduction = 8;     // the stiffener's span reduction
inline constexpr Long kBracketScantling = 9;  // bracket scantling text
inline constexpr Long kBracketLength = 10;    // bracket length
inline constexpr Long kConnection = 11;       // stiffener end connection
inline constexpr Long kSectionModulus = 12;   // a span's section modulus at the flange, in ranges

}  // namespace korain::check_mode
