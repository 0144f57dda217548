// The drawing settings of an output device and the drawing colours, as plain
// values: the painters draw with them, the configuration file keeps them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "model/arrangement.h"

namespace korain {

// The drawing settings of one output device; the screen's are read at start-up,
// the preferences edit both.
enum class OutputDevice { Screen, Printer };

// The reduction factor at which a device draws its labels at the sizes typed.
inline constexpr Single kUsualReductionFactor = 0.1F;

struct DisplayConfig {
  int PanelFontSize = 9;  // bulkhead names
  int NodeFontSize = 9;
  int StiffenerFontSize = 9;
  int AxisFontSize = 9;  // axes and strakes
  std::string FontName;  // text 107 unless the file names another
  Single OffsetY = 0;
  Single OffsetZ = 0;
  Single LineWidth = 0;
  int Margin = 40;  // around the section, in percent of its size
  Single TextAngle = 0;
  Single ReductionFactor = kUsualReductionFactor;  // label sizes times factor / 0.1

  bool operator==(const DisplayConfig&) const = default;
};

// A record with every default.
DisplayConfig defaultDisplayConfig();

// The drawing colours, as the family stores them: 0x00BBGGRR.
struct ColourConfig {
  std::uint32_t BackColour = 0x1;
  std::uint32_t LineColour = 0x0;

  bool operator==(const ColourConfig&) const = default;
};

}  // namespace korain
