// The rules of the editor's view state: which panel a code shows, what the
// menus and tools offer for the model as it stands. Plain functions, so that
// the main window only applies what they decide.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "session.h"

namespace korain {

inline constexpr int kObjectToolCount = 7;

// Object tool i (0 to 6) shows the object panel of code i + 1.
PanelCode panelOfObjectTool(int tool);
// The object tool of an object panel's code; -1 for the other panels.
int objectToolOf(PanelCode code);

// The kind of object a panel code edits, as titles and the Add and Delete
// commands name it; empty for the check panels and unknown codes.
std::string panelKindText(PanelCode code);

// Whether the panel of a code edits objects of one bulkhead, and so shows the
// bulkhead selector above it.
bool showsBulkheadSelector(PanelCode code);

// The check display mode the drawing colours by: the sub-view code on the
// check panels, no check on every other panel.
Long checkModeOf(PanelCode code, Long subView);

// Ordinary stiffeners and corrugation share one object tool: on the stiffener
// or corrugation panel the code follows the current bulkhead's type; any
// other code stays.
PanelCode panelForBulkheadType(PanelCode code, const Arrangement& arrangement);

// The enabled states and texts of the menus and tools.
struct MenuState {
  bool arrangementOpen = false;   // one was read or made: editing, saving, printing, export
  bool mainDataComplete = false;  // object tools, the arrangement menu and Zoom
  bool addDeleteEnabled = false;  // the Add/Delete toolbar and the Tools menu
  bool canAdd = false;
  bool canRemove = false;
  bool canInsert = false;
  std::string addText;         // "Add " + kind
  std::string deleteText;      // "Delete " + kind
  std::string insertText;      // "&Insert " + kind
  int pressedObjectTool = -1;  // the tool the panel code presses; -1 none
  bool previousNextBulkhead = false;
  std::array<bool, kObjectToolCount> objectTools{};
};

// An object tool is enabled when the arrangement offers what its panel
// edits; Add, Delete and Insert follow the current panel's offer.
MenuState menuState(const Session& session);

// The selector's move: next (+1) or previous (-1) of `count` items from
// `position` (0-based), wrapping around; -1 when the list is empty.
int wrappedPosition(int position, int count, int step);

}  // namespace korain
