// Lengths per inch, by which paper sizes, printer resolutions and point sizes meet, and the
// resolution Qt takes for a screen.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korain {

inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kPointsPerInch = 72;
inline constexpr double kScreenDpi = 96;

}  // namespace korain
