// What the windows around the session do when it changed: the editor's main
// window implements it, the tests put a small one of their own in its place.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "change_request.h"

namespace korain {

class SessionView {
 public:
  virtual ~SessionView() = default;

  // Brings the windows up to date, in the order of the refresh cycle: the
  // panel (or its rows), the selector, the menus and tools, the undo and redo
  // items, the caption, the message list (after a computation) and the
  // drawing. `follow` says which of the optional steps run.
  virtual void refresh(Follow follow) = 0;
  // The status line while a long piece of work runs (building a check's
  // legend); an empty text clears it.
  virtual void showStatus(const std::string& text) = 0;
};

}  // namespace korain
