// The legend of the check display: each distinct value of the chosen check
// with its colour, and the colour index of every strake, span and bracket.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "messages/status_line.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

struct LegendEntry {
  Long Colour = 0;  // a colour of the palette, or 0 for "no bracket"
  std::string Text;

  bool operator==(const LegendEntry&) const = default;
};

using Legend = std::vector<LegendEntry>;

// Builds the legend of a check display mode (check_modes.h) and colours the
// arrangement for it.
//
// ColourIndex of every strake, stiffener span and bracket receives a palette
// position, 1 to the palette's count, that the drawing looks up in the same
// palette; 0 leaves the object in the drawing's own colour. Positions beyond
// the palette wrap round to its start, so the fourth distinct value of a
// three-colour palette shares the first colour. An empty palette colours nothing.
//
// Values are sorted (numbers by value, texts byte by byte), so the legend and
// the colours do not depend on the order in which the objects were entered.
// The material check is the exception: its legend keeps the materials in the
// order first met, and every object, legend colour and legend name follows the
// material number itself. Material m is palette position m (wrapped), so a
// material keeps its colour whichever other materials are present, and the
// entry of material m is named after material m; legend colour, object colour
// and name always agree. Material 0 (none) is not coloured.
//
// The section modulus check colours each span by the range its gross modulus
// at the flange falls in (modulus_ranges.h); the spans without one share the
// first entry, "no section modulus", and stay uncoloured, as brackets do.
//
// The status line shows what is being built while the work runs and is
// cleared at the end; an empty StatusLine shows nothing.
Legend buildLegend(Arrangement& arrangement, Long mode, const List<Long>& palette,
                   const ShipData& ship, const StatusLine& status);

}  // namespace korain
