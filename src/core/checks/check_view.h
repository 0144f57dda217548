// What the check panel shows for a check display mode: its title and the
// legend laid out on the panel's sixteen swatches.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "checks/legend.h"
#include "model/arrangement.h"

namespace korain {

inline constexpr int kLegendSwatchCount = 16;

// The title of the check panel for a check mode; empty for a mode that is
// not offered by the Check menu.
std::string checkTitle(Long mode);

// One swatch of the check panel: its colour and the labels it stands for.
struct LegendSwatch {
  Long Colour = 0;
  std::string Label;

  bool operator==(const LegendSwatch&) const = default;
};

// The swatches a legend fills, in order: one per entry up to sixteen. A longer
// legend wraps round to the second swatch (the first keeps its entry, often
// "no bracket"), and each later entry takes that swatch's colour and has its
// label joined to the one already there, text 297 between them.
std::vector<LegendSwatch> legendSwatches(const Legend& legend);

}  // namespace korain
