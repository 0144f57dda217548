// Ticking or clearing one box's bit of the display word.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/display_boxes.h"

#include "view/display_options.h"

namespace korain {

const std::array<DisplayBox, kDisplayBoxCount> kDisplayBoxes = {{
    {"Axis", display_bit::kAxis},
    {"Stools", display_bit::kStools},
    {"Nodes", display_bit::kNodes},
    {"Node numbers", display_bit::kNodeNumbers},
    {"Primary stiffeners", display_bit::kPrimaryMembers},
    {"Secondary stiffeners", display_bit::kStiffeners},
    {"Strakes", display_bit::kStrakes},
    {"Corrugation", display_bit::kCorrugation},
    {"Scantlings", display_bit::kScantlings},
    {"Dimensions", display_bit::kDimensions},
}};

Long withDisplayBox(Long word, std::size_t box, Tick tick) {
  const Long bit = kDisplayBoxes.at(box).bit;
  return tick == Tick::Ticked ? (word | bit) : (word & ~bit);
}

}  // namespace korain
