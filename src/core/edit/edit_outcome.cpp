// The outcome of an edit refused at an item of a list.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/edit_outcome.h"

#include "text/format_message.h"

namespace korain {

EditOutcome refusedAt(std::string_view templ, int index) {
  return {.messages = {Message{.text = formatMessage(templ, {index})}}};
}

}  // namespace korain
