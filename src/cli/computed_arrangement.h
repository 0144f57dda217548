// An arrangement read from a database with its geometry computed, as the
// editor would hold it after opening the block.
#pragma once

#include <ostream>
#include <string>

#include "io/zel_reader.h"
#include "messages/message_list.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

struct ComputedArrangement {
  Arrangement arrangement;
  ShipData ship;
  MessageList messages;
  // Stopped when an error ended the reading: what was read is computed all the same.
  ZelReadStatus status = ZelReadStatus::Read;
};

// False, with the reasons printed, when the block cannot be read.
bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err);

}  // namespace korain
