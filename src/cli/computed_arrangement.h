// An arrangement read from a database with its geometry computed, as the
// editor would hold it after opening the block.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "io/zel_reader.h"
#include "messages/message.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

struct ComputedArrangement {
  Arrangement arrangement;
  ShipData ship;
  // Every message of the computation, bulkhead by bulkhead.
  std::vector<Message> messages;
  // Stopped when an error ended the reading: what was read is computed all the same.
  ZelReadStatus status = ZelReadStatus::Read;
};

// False, with the reasons printed, when the block cannot be read.
bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err);

}  // namespace korain
