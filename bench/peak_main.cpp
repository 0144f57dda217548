// korain_peak PROGRAM ARGUMENTS...: runs the program and prints "status
// kilobytes", its exit status (0 or 1) and its peak memory, for the benchmarks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "measured_process.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: korain_peak PROGRAM [ARGUMENTS...]\n", stderr);
    return 2;
  }
  const korain::bench::ProcessRun run = korain::bench::runAndWait(argv + 1);
  if (run.peakKilobytes == 0) return 1;
  std::printf("%d %ld\n", run.succeeded ? 0 : 1, run.peakKilobytes);
  return 0;
}
