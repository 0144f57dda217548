// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message.h"

namespace korain {

bool isSteady(const Message& message) { return message.severity != Severity::Correction; }

}  // namespace korain
