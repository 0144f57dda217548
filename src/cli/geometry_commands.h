// The korain-cli commands that work on the computed geometry of an arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "commands.h"

namespace korain {

enum class CheckOutput { Lines, Json };

// The message list of arrangement n after its geometry is computed: one
// message a line, or a JSON array of records naming each message's severity,
// bulkhead and object; 0 even when there are messages.
int checkCommand(const std::string& database, Integer blockNumber, CheckOutput output,
                 const CommandStreams& streams);

// The legend of a check display mode over arrangement n: palette position,
// colour and text of each entry, one a line.
int legendCommand(const std::string& database, Integer blockNumber, Long mode,
                  const CommandStreams& streams);

}  // namespace korain
