// The batch commands of korain-cli; each returns the process exit status.
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

// One line per block: position, TAB, kind (zel, torsion, section), TAB, name.
int listCommand(const std::string& database, const CommandStreams& streams);

// Block n of the database as JSON.
int dumpCommand(const std::string& database, Integer blockNumber, const CommandStreams& streams);

// Reads arrangement n and saves it back in place, in the current block version.
int resaveCommand(const std::string& database, Integer blockNumber, const CommandStreams& streams);

// Appends arrangement n of the database to another database as its new last block.
int copyCommand(const std::string& database, Integer blockNumber, const std::string& target,
                const CommandStreams& streams);

}  // namespace korain
