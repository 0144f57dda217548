#include "app/session_loading.h"

#include "io/text_file.h"
#include "section/nearest_section.h"
#include "ship/ship_data_reader.h"

namespace korain {

FileMessages openDatabase(Session& session, const std::string& path) {
  session.DatabasePath = path;
  session.ship() = ShipData{};
  copyDatabase(session);
  // A file that cannot be read is read again by the ship data reader, which says why.
  if (session.DatabaseCopy.empty()) return readShipData(path, session.ship()).messages;
  return readShipDataFromBytes(session.DatabaseCopy, path, session.ship()).messages;
}

void copyDatabase(Session& session) {
  std::string error;
  session.DatabaseCopy = readFileBytes(session.DatabasePath, error).value_or(std::string());
}

ZelReadResult openArrangement(Session& session, Integer blockNumber) {
  Arrangement read;
  ZelReadResult result = readZelBlock(session.DatabasePath, blockNumber, read);
  if (result.found()) {
    session.arrangement() = std::move(read);
    session.BlockNumber = blockNumber;
    session.markClean();
    session.geometry().valid = false;
  }
  findHullSection(session);
  return result;
}

void findHullSection(Session& session) {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(session.DatabasePath, error);
  session.hullSection =
      bytes ? nearestSection(*bytes, session.DatabasePath, session.arrangement().X) : std::nullopt;
}

}  // namespace korain
