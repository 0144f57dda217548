// Named entries of a compartment's Table1, the table of its main dimensions.
#pragma once

namespace korain {

inline constexpr int kLengthEntry = 1;
inline constexpr int kEffectiveLengthEntry = 2;
inline constexpr int kBreadthEntry = 3;
inline constexpr int kEffectiveBreadthEntry = 4;
inline constexpr int kHeightEntry = 10;

}  // namespace korain
