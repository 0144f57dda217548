// Printing the ship data's read messages on standard error.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship_messages.h"

namespace korain {

void printShipDataMessages(const ShipDataReadResult& result, std::ostream& err) {
  for (const FileMessage& message : result.messages) {
    if (result.status == ShipDataReadStatus::NotValid) {
      err << message.text << '\n';
    } else {
      err << message.toString() << '\n';
    }
  }
}

}  // namespace korain
