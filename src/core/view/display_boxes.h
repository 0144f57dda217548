// The boxes that choose what the drawing always shows, each standing for one
// bit of the display word: the display panel and the drawing print dialog
// share this table, so a box means the same element in both.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "model/arrangement.h"

namespace korain {

struct DisplayBox {
  const char* caption;
  Long bit;
};

inline constexpr std::size_t kDisplayBoxCount = 10;

// Box i of both dialogs, in this order; the order is the boxes' numbering, not
// the order of the bits.
extern const std::array<DisplayBox, kDisplayBoxCount> kDisplayBoxes;

enum class Tick { Cleared, Ticked };

// The display word with box `box`'s bit set or cleared; the other bits kept.
Long withDisplayBox(Long word, std::size_t box, Tick tick);

}  // namespace korain
