// What an edit has to tell once it has run. An edit never reports while the
// change is under way: the recomputation that follows would clear what it
// listed, and a box shown from inside it would run the windows half-changed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "messages/message.h"

namespace korain {

struct EditOutcome {
  // For the message list once the change is recomputed; the user also
  // acknowledges each (a removal the list refused).
  std::vector<Message> messages{};
  // For the user to acknowledge only, never listed (what a debug run tells
  // of its work).
  std::vector<std::string> notices{};

  bool operator==(const EditOutcome&) const = default;
};

// The outcome of a list operation refused for the element at `index`: one
// message about no object, from a template with one placeholder for the index.
EditOutcome refusedAt(std::string_view templ, int index);

}  // namespace korain
