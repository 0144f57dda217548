// An arrangement read from a database with its geometry computed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "computed_arrangement.h"

#include "geometry/geometry_cache.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "ship/ship_data_reader.h"
#include "ship/ship_queries.h"
#include "ship_messages.h"

namespace korain {

bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err) {
  const ZelReadResult read = readZelBlock(database, blockNumber, computed.arrangement);
  for (const FileMessage& message : read.messages) err << message.toString() << '\n';
  if (!read.found()) return false;
  computed.status = read.status;
  // A database without ship data still computes, with plating material 1;
  // what the ship data lack is said, since the commands' results depend on it.
  const ShipDataReadResult ship = readShipData(database, computed.ship);
  printShipDataMessages(ship, err);
  computed.shipPresence = ship.presence();
  GeometryCache geometry;
  geometry.invalidateAll(computed.arrangement.Bulkheads.count());
  geometry.compute(computed.arrangement, defaultPlatingMaterial(computed.ship));
  computed.messages = geometry.allMessages();
  return true;
}

}  // namespace korain
