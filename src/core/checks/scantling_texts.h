// The texts of a profile's dimensions: the scantling label of drawings and
// legends, and the bracket scantling text.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

struct ScantlingLabelOptions {
  bool DashSeparator = false;  // "-" between the type letter and the dimensions, else a blank
  bool WholeNumbers = false;   // dimensions without decimals
  bool NoTypeLetter = false;   // no leading type letter
};

// The scantling check colours by labels in this form, so that labels that read
// alike fall together.
inline constexpr ScantlingLabelOptions kScantlingCheckLabel{.DashSeparator = true,
                                                            .WholeNumbers = true};

// A profile as the drawing labels it: "F 200×12.5", "T-300×12-100×15" (options
// above), " Bulb" style names for types without dimensions, and for a plate
// reference the material name (or "(def)") with the plate's thickness, or
// " (pan)" when the plate is the panel's own.
std::string scantlingLabel(const Scantling& scantling, const ShipData& ship,
                           ScantlingLabelOptions options = {});

// A bracket's profile as the bracket legend and the stiffener panel show it:
// "F- 200.0 x 12.0" for a flat bar, "T- 200.0 x 10.0 - 80.0 x 12.0" for the
// others, "P- " alone for a pipe.
std::string bracketScantlingText(const Scantling& scantling);

}  // namespace korain
