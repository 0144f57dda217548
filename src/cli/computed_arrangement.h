// An arrangement read from a database with its geometry computed, as the
// editor would hold it after opening the block.
#pragma once

#include <ostream>
#include <string>

#include "messages/message_list.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

struct ComputedArrangement {
  Arrangement arrangement;
  ShipData ship;
  MessageList messages;
};

// False, with the reasons printed, when the block cannot be read.
bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err);

}  // namespace korain
