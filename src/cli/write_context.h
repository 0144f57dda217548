// Who and when, for the comment lines of the blocks that korain-cli writes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <optional>

#include "io/zel_writer.h"

namespace korain {

// The program's version, the user's login name, the machine's name and the
// current local date and time (SOURCE_DATE_EPOCH, in seconds since 1970, fixes
// the time, in UTC).
ZelWriteContext currentWriteContext();

// SOURCE_DATE_EPOCH (seconds since 1970, UTC) when it is set to a number, as
// reproducible builds set it: what korain-cli writes then carries that time.
std::optional<std::time_t> sourceDateEpoch();

}  // namespace korain
