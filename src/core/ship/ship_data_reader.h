// Reads the ship data block of a database file into a ShipData record.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "io/file_message.h"
#include "ship/ship_data.h"

namespace korain {

// The line that opens the block, looked for among the lines that are not comments.
inline constexpr char kShipDataBanner[] = "------------------ BSD ------------------";

enum class ShipDataReadStatus {
  Read,         // the banner was found and the block read, perhaps cut short
  NotValid,     // no banner: the file is not a database; the record is unchanged
  FileMissing,  // the file does not exist or cannot be read; the record is unchanged
};

// Whether a record holds a ship data block that was read: a record that was
// never read holds nothing but zeros, which must not pass for a ship.
enum class ShipDataPresence { Read, Missing };

struct ShipDataReadResult {
  ShipDataReadStatus status = ShipDataReadStatus::Read;
  // False when the file ended (or the first block began) before the last item.
  bool complete = false;
  // The warning of a file without the banner, every item that could not be
  // read, and where a block was cut short.
  FileMessages messages;

  bool found() const { return status == ShipDataReadStatus::Read; }
  ShipDataPresence presence() const {
    return found() ? ShipDataPresence::Read : ShipDataPresence::Missing;
  }
};

// Reads the block into the record. Items that cannot be read leave their field
// as it was, so a caller that wants no leftovers passes a fresh record.
ShipDataReadResult readShipData(const std::string& path, ShipData& ship);

// The same over the bytes of a file already in memory; fileName names it in messages.
ShipDataReadResult readShipDataFromBytes(std::string_view bytes, std::string_view fileName,
                                         ShipData& ship);

// The warning of a file without a ship data block: the file name, then
// " : not a valid Tessaly file".
std::string notValidFileText(std::string_view fileName);

}  // namespace korain
