// Where the editor's messages window stands, as "Tessaly.ini" keeps it
// between runs (section 301, the screen's): shown or hidden, the side of the
// main window it is docked on, or floating, and its size across that side.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "ini_file.h"

namespace korain {

enum class DockSide : std::uint8_t { Bottom, Top, Left, Right, Floating };

struct MessagesWindowPlace {
  bool shown = false;
  DockSide side = DockSide::Bottom;
  // Its height on the top or bottom, its width on the left or right, in
  // pixels; 0 leaves it the size its content asks for.
  int size = 0;

  bool operator==(const MessagesWindowPlace&) const = default;
};

// Each missing or unreadable value at its default: a side that is none of
// "Bottom", "Top", "Left", "Right" and "Floating" reads as the bottom, a size
// outside its range as 0 (noted in `refused` when given), a wider window is
// written as the largest.
MessagesWindowPlace readMessagesWindowPlace(const std::string& iniPath,
                                            RefusedValues* refused = nullptr);
ConfigWriteResult writeMessagesWindowPlace(const std::string& iniPath,
                                           const MessagesWindowPlace& place);

}  // namespace korain
