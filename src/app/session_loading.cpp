// Opening a database, copying it, and opening an arrangement block into the session.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_loading.h"

#include "io/text_file.h"
#include "ship/ship_data_reader.h"

namespace korain {

FileMessages openDatabase(Session& session, const std::string& path) {
  std::string error;
  std::optional<std::string> bytes = readFileBytes(path, error);
  ShipData ship;
  // A file that cannot be read is read again by the ship data reader, which says why.
  const ShipDataReadResult read =
      bytes ? readShipDataFromBytes(*bytes, path, ship) : readShipData(path, ship);
  session.enterDatabase({.DatabasePath = path,
                         .BlockNumber = session.database().BlockNumber,
                         .DatabaseCopy = bytes ? std::move(*bytes) : std::string(),
                         .ShipPresence = read.presence()},
                        std::move(ship));
  return read.messages;
}

bool copyDatabase(Session& session) {
  std::string error;
  std::optional<std::string> bytes = readFileBytes(session.database().DatabasePath, error);
  if (!bytes) return false;
  session.keepDatabaseCopy(std::move(*bytes));
  return true;
}

ZelReadResult openArrangement(Session& session, Integer blockNumber) {
  // One reading of the file serves the block, the hull section and the copy.
  Arrangement read;
  const DatabasePlace& database = session.database();
  ZelReadResult result =
      copyDatabase(session)
          ? readZelBlockFromBytes(database.DatabaseCopy, database.DatabasePath, blockNumber, read)
          : readZelBlock(database.DatabasePath, blockNumber, read);
  if (result.found()) {
    session.startArrangement(std::move(read), Origin::Opened);
    session.placeArrangement(database.DatabasePath, blockNumber);
  }
  session.findHullSection();
  return result;
}

}  // namespace korain
