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

// One swatch of the check panel and the legend entries its label stands for.
// The swatch shows the first entry's colour; an entry joined to it keeps its
// own colour, which the panel shows beside that entry's text, so that no
// label ever sits on a colour the drawing uses for another value.
struct LegendSwatch {
  std::vector<LegendEntry> Entries;

  Long colour() const { return Entries.empty() ? 0 : Entries.front().Colour; }

  bool operator==(const LegendSwatch&) const = default;
};

// The swatches a legend fills, in order: one per entry up to sixteen. A longer
// legend wraps round to the second swatch (the first keeps its entry, often
// "no bracket"), and each later entry is joined to the entries already there.
std::vector<LegendSwatch> legendSwatches(const Legend& legend);

}  // namespace korain
