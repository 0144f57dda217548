// The batch commands of korain-cli; each returns the process exit status.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "model/arrangement.h"

namespace korain {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
};

// Reads arrangement n whole; false, with the messages printed, when it is not
// there or its reading stopped: an arrangement changed and saved back half-read
// would lose what was not read.
bool readWholeArrangement(const std::string& database, Integer n, Arrangement& arrangement,
                          std::ostream& err);

// Saves the arrangement as block n of the database (kAppendedBlock: a new last
// block) through the editor's save workflow, its questions answered No.
int saveInto(const std::string& database, Integer n, Arrangement arrangement,
             const CommandStreams& streams);

// One line per block: position, TAB, kind (zel, torsion, section), TAB, name.
int listCommand(const std::string& database, const CommandStreams& streams);

enum class DumpMode {
  Computed,  // with the geometry computed, as the editor holds the arrangement
  AsRead,    // exactly as read from the file, before any computation
};

// Block n of the database as JSON; status 1 when reading stopped on an error,
// after what was read is printed.
int dumpCommand(const std::string& database, Integer blockNumber, DumpMode mode,
                const CommandStreams& streams);

// Saves the arrangement of a JSON file as block n of the database: replacing
// an arrangement, or as a new last block when n is one more than the number
// of blocks. Nothing else is ever overwritten, and bad JSON changes nothing.
int loadCommand(const std::string& database, Integer blockNumber, const std::string& jsonFile,
                const CommandStreams& streams);

// Reads arrangement n and saves it back in place, in the current block version.
int resaveCommand(const std::string& database, Integer blockNumber, const CommandStreams& streams);

// Appends arrangement n of the database to another database as its new last block.
int copyCommand(const std::string& database, Integer blockNumber, const std::string& target,
                const CommandStreams& streams);

}  // namespace korain
