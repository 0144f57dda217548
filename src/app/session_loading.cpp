#include "session_loading.h"

#include "io/text_file.h"
#include "section/nearest_section.h"
#include "ship/ship_data_reader.h"

namespace korain {

FileMessages openDatabase(Session& session, const std::string& path) {
  session.DatabasePath = path;
  session.DatabaseCopy.clear();
  session.ship() = ShipData{};
  // A file that cannot be read is read again by the ship data reader, which says why.
  const ShipDataReadResult read =
      copyDatabase(session) ? readShipDataFromBytes(session.DatabaseCopy, path, session.ship())
                            : readShipData(path, session.ship());
  session.ShipPresence = read.presence();
  return read.messages;
}

bool copyDatabase(Session& session) {
  std::string error;
  std::optional<std::string> bytes = readFileBytes(session.DatabasePath, error);
  if (!bytes) return false;
  session.DatabaseCopy = std::move(*bytes);
  return true;
}

ZelReadResult openArrangement(Session& session, Integer blockNumber) {
  // One reading of the file serves the block, the hull section and the copy.
  Arrangement read;
  ZelReadResult result =
      copyDatabase(session)
          ? readZelBlockFromBytes(session.DatabaseCopy, session.DatabasePath, blockNumber, read)
          : readZelBlock(session.DatabasePath, blockNumber, read);
  if (result.found()) {
    session.startArrangement(std::move(read), Origin::Opened);
    session.BlockNumber = blockNumber;
  }
  findHullSection(session);
  return result;
}

void findHullSection(Session& session) {
  session.hullSection =
      nearestSection(session.DatabaseCopy, session.DatabasePath, session.arrangement().X);
}

}  // namespace korain
