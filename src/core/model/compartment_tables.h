// Named entries of a compartment's Table1, the table of its main dimensions.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korain {

inline constexpr int kLengthEntry = 1;
inline constexpr int kEffectiveLengthEntry = 2;
inline constexpr int kBreadthEntry = 3;
inline constexpr int kEffectiveBreadthEntry = 4;
// The centre of gravity, x from the aft perpendicular, y and z.
inline constexpr int kCentreXEntry = 5;
inline constexpr int kCentreYEntry = 6;
inline constexpr int kCentreZEntry = 7;
// The lowest and highest z of the compartment above the base line.
inline constexpr int kBottomEntry = 8;
inline constexpr int kTopEntry = 9;
inline constexpr int kHeightEntry = 10;
// The highest points of the roll cases: y then z of each, entries 11 to 18.
inline constexpr int kFirstHighestPointEntry = 11;
inline constexpr int kLastHighestPointEntry = 18;
// Where the compartment starts, from the aft perpendicular.
inline constexpr int kXStartEntry = 19;

}  // namespace korain
