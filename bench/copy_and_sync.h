// The least a save of a database with a .bak copy must do, as its own process:
// the baseline of the whole-process save benchmark.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korain::bench {

// The option that makes the benchmark program run copyAndSync instead.
inline constexpr char kCopyAndSyncOption[] = "--copy-and-sync";

// Copies the file to its .bak, writes its bytes anew beside it, puts them on
// the disk and moves them into its place; 0 when done.
int copyAndSync(const char* path);

}  // namespace korain::bench
