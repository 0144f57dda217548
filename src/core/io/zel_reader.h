// Reads the ZEL block of a database file into an arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "io/file_message.h"
#include "model/arrangement.h"

namespace korain {

enum class ZelReadStatus {
  Read,           // the block was read to its end
  Stopped,        // an error ended the reading; what was read so far is kept
  FileMissing,    // the database file does not exist or cannot be read
  BlockNotFound,  // no block n with keyword "ZEL"
};

struct ZelReadResult {
  ZelReadStatus status = ZelReadStatus::Read;
  // The block's version; 0 when the file is missing, -1 when the block is not found.
  Single version = 0;
  // Why the reading failed or stopped, and every value that could not be read.
  FileMessages messages;

  bool found() const { return status == ZelReadStatus::Read || status == ZelReadStatus::Stopped; }
};

// Clears the arrangement, then reads block n of the database file into it.
ZelReadResult readZelBlock(const std::string& path, Integer blockNumber, Arrangement& arrangement);

// The same over the bytes of a file already in memory; fileName names it in messages.
ZelReadResult readZelBlockFromBytes(std::string_view bytes, std::string_view fileName,
                                    Integer blockNumber, Arrangement& arrangement);

}  // namespace korain
