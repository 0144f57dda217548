// Which parts of a bulkhead a drawing shows: the display word's boxes, the
// check display, and for the current bulkhead the panel being edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/display_options.h"

namespace korain {

struct ShownParts {
  bool strakes = false;
  bool corrugation = false;
  bool stiffeners = false;
  bool members = false;
  bool stools = false;
  bool nodeMarks = false;
};

// `current`: the bulkhead is the arrangement's current one.
ShownParts shownParts(const DisplayOptions& options, bool current);

}  // namespace korain
