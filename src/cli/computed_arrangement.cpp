// An arrangement read from a database with its geometry computed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "computed_arrangement.h"

#include "database_check.h"
#include "geometry/geometry_cache.h"
#include "geometry/ship_fit_checks.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "section/nearest_section.h"
#include "ship/ship_data_reader.h"
#include "ship/ship_queries.h"
#include "ship_messages.h"

namespace korain {

bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err) {
  if (refusedBlock(database, blockNumber, BlockKind::Zel, err)) return false;
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

std::optional<Section> hullSectionOf(const std::string& database, const Arrangement& arrangement) {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(database, error);
  return bytes ? nearestSection(*bytes, database, arrangement.X) : std::nullopt;
}

void checkAgainstShip(ComputedArrangement& computed, const Section* hull) {
  std::optional<HullExtent> extent;
  if (hull != nullptr) extent.emplace(*hull);
  const std::vector<Message> fit =
      checkShipFit(computed.arrangement, extent ? &*extent : nullptr, computed.ship.B);
  computed.messages.insert(computed.messages.end(), fit.begin(), fit.end());
}

}  // namespace korain
