// Reads a hull section from a block of a database file, for the preview and the import.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "io/file_message.h"
#include "model/arrangement.h"
#include "section/section.h"

namespace korain {

enum class SectionReadStatus {
  Read,           // the block was read to its end
  Stopped,        // an error ended the reading; what was read so far is kept
  FileMissing,    // the database file does not exist or cannot be read
  BlockNotFound,  // no block n in the file
  TorsionBlock,   // block n holds torsion data, which has no section
  ZelRefused,     // block n is a bulkhead arrangement and the caller refused those
};

struct SectionReadResult {
  SectionReadStatus status = SectionReadStatus::Read;
  // The block's version; -1 whenever the block could not be read.
  Single version = 0;
  // Why the reading failed or stopped, and every value that could not be read.
  FileMessages messages;

  bool found() const {
    return status == SectionReadStatus::Read || status == SectionReadStatus::Stopped;
  }
};

// Clears the section, then reads block n of the database file into it. A hull
// section block is read as it is; a bulkhead arrangement is read as the
// section its bulkheads outline (section_from_arrangement.h) unless the
// arrangements are refused; torsion data is never read.
enum class Arrangements { ReadAsSections, Refuse };
SectionReadResult readSection(const std::string& path, Integer blockNumber, Section& section,
                              Arrangements arrangements);

// The same over the bytes of a file already in memory; fileName names it in messages.
SectionReadResult readSectionFromBytes(std::string_view bytes, std::string_view fileName,
                                       Integer blockNumber, Section& section,
                                       Arrangements arrangements);

}  // namespace korain
