// One message of the message list: how serious it is, which object it is
// about and its text as the user reads it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "model/codes.h"

namespace korain {

enum class Severity : std::uint8_t {
  // Data kept as entered that no structure can have: an object without size,
  // a value out of reach, an object outside its bulkhead.
  Warning,
  // Part of the geometry cannot be built as entered.
  Error,
};

struct Message {
  Severity severity = Severity::Warning;
  // The bulkhead the message is about (1-based); 0 when it is about none.
  int bulkhead = 0;
  // The object within the bulkhead: its kind, as the code of the panel that
  // edits it, and its number in the bulkhead's list, 0 for the bulkhead
  // itself. A strake is `subIndex` of band `index`.
  PanelCode kind = PanelCode::Display;
  int index = 0;
  int subIndex = 0;
  std::string text{};

  bool operator==(const Message&) const = default;
};

}  // namespace korain
