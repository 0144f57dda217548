// Writes an arrangement as the ZEL block of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "text/text_utils.h"

namespace korain {

// What the block's program comment lines say about who wrote it and when. The
// caller supplies them so that the writer reads no configuration and its output
// can be reproduced.
struct ZelWriteContext {
  ProgramVersion program;
  std::string user;
  std::string site;
  std::string date;            // already formatted
  std::string time;            // already formatted
  std::string identification;  // written only when not empty
};

struct ZelWriteResult {
  // Characters of names and comments that the file's code page cannot hold;
  // each was written as "?".
  int unmappableCharacters = 0;
};

// Appends block n to out. An arrangement without an ID receives a new one,
// which is kept in the arrangement.
ZelWriteResult writeZelBlock(std::string& out, Arrangement& arrangement, Integer blockNumber,
                             const ZelWriteContext& context);

}  // namespace korain
