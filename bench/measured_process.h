// Programs run as whole processes by the benchmarks: timed as they are, and
// their peak memory measured through a small process of its own.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace korain::bench {

struct ProcessRun {
  bool succeeded = false;  // it ended with status 0
  long peakKilobytes = 0;  // the largest resident set it had; 0 when it did not start
};

// The path of this benchmark program.
std::string benchmarkProgram();

// Runs a program to its end, its standard output thrown away (the benchmark's
// report is printed there); false when it failed.
bool runProcess(const std::vector<std::string>& arguments);

// The same with its peak memory. A process's peak counts that of the process
// that started it, whose memory it shares until it runs its program: so the
// program is started by korain_peak beside this program, of a megabyte or
// two, not by the benchmark that holds a 50 MB database.
ProcessRun runMeasuredProcess(const std::vector<std::string>& arguments);

// Runs the program of the null-ended arguments from this process, its
// standard output thrown away: korain_peak's work.
ProcessRun runAndWait(char** arguments);

}  // namespace korain::bench
