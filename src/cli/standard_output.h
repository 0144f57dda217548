// korain-cli's standard output, written whole and checked to its close: a
// disk that fills or a file that cannot grow must fail the command, never
// leave a cut document behind an exit status of 0.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string_view>

namespace korain {

// Writes the bytes to standard output and closes it; false, with the system's
// reason said on err, when any of it could not be written.
bool writeStandardOutput(std::string_view bytes, std::ostream& err);

}  // namespace korain
