// An arrangement read from a database with its geometry computed, as the
// editor would hold it after opening the block.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "io/zel_reader.h"
#include "messages/message.h"
#include "model/arrangement.h"
#include "resonance/resonance_data.h"
#include "section/section.h"
#include "ship/ship_data.h"
#include "ship/ship_data_reader.h"

namespace korain {

struct ComputedArrangement {
  Arrangement arrangement;
  ShipData ship;
  ShipDataPresence shipPresence = ShipDataPresence::Missing;
  // Every message of the computation, bulkhead by bulkhead (then those of
  // the checks against the ship, once `checkAgainstShip` has run).
  std::vector<Message> messages;
  // Stopped when an error ended the reading: what was read is computed all the same.
  ZelReadStatus status = ZelReadStatus::Read;

  // Whether the block was read to its end, as the resonance check asks.
  ArrangementReading reading() const {
    return status == ZelReadStatus::Stopped ? ArrangementReading::CutShort
                                            : ArrangementReading::Whole;
  }
};

// False, with the reasons printed, when the block cannot be read; the ship
// data's messages are printed too.
bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err);

// The database's hull section nearest to the arrangement's position, as the
// editor draws it behind; none when the database holds none that reads.
std::optional<Section> hullSectionOf(const std::string& database, const Arrangement& arrangement);

// Adds the messages of the checks of the arrangement against the ship (its
// main data, its nodes against `hull` when there is one), as the editor lists them.
void checkAgainstShip(ComputedArrangement& computed, const Section* hull);

}  // namespace korain
