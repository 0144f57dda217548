// What the drawing shows and how picking works: the display options record
// that the display panel, the check menu and the drawing share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "checks/legend.h"
#include "model/arrangement.h"
#include "model/codes.h"

namespace korain {

// Bits of the display word: which elements the drawing always shows.
namespace display_bit {
inline constexpr Long kStools = 1;
inline constexpr Long kNodes = 2;
inline constexpr Long kNodeNumbers = 4;
inline constexpr Long kPrimaryMembers = 8;
inline constexpr Long kStiffeners = 16;
inline constexpr Long kAxis = 32;
inline constexpr Long kStrakes = 128;
inline constexpr Long kCorrugation = 256;
// The scantling labels of stiffeners, spans and brackets, where the stiffeners are drawn.
inline constexpr Long kScantlings = 512;
// The dimension chains of the current bulkhead: off on screen at start-up;
// exported and printed drawings ask for them unless the user says otherwise.
inline constexpr Long kDimensions = 1024;
}  // namespace display_bit

// The check display is off.
inline constexpr Long kNoCheck = -1;

// The tool of the drawing window: picking objects, or zooming.
inline constexpr Integer kPickTool = 5;
inline constexpr Integer kZoomTool = 12;

// The display word of a drawing that leaves the program (an export, a print):
// the screen's, with the dimension chains a drawing needs when it is issued.
inline Long issuedDisplayWord(Long word) { return word | display_bit::kDimensions; }

struct DisplayOptions {
  Long DisplayWord = display_bit::kAxis | display_bit::kStools;  // start-up shows axis and stools
  PanelCode CurrentPanel = PanelCode::Display;
  Long CheckMode = kNoCheck;
  Long ObjectMask = 2 | 8 | 16 | 128;  // nodes, members, stiffener spans, strakes
  Integer Tool = kPickTool;
  Long ScalingMode = 200;
  List<Long> Palette;  // 0xRRGGBB
  Legend CurrentLegend;
  // On the stiffeners panel the current bulkhead's primary members and span
  // breaks are drawn thin, as the supports of the spans, even where the
  // display word leaves the members out.
  bool SupportsWhileEditingStiffeners = true;
  // The positions of the row the stiffener wizard would add to the current
  // bulkhead, drawn while the wizard is open; empty otherwise.
  std::vector<Single> RowPreview;

  bool shows(Long bit) const { return (DisplayWord & bit) != 0; }
};

}  // namespace korain
