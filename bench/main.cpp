// Runs every benchmark of the folder. The drawing benchmarks need Qt's fonts and
// the editor benchmarks its widgets, so an application object exists (offscreen: no
// screen is needed).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>

#include "copy_and_sync.h"

int main(int argc, char** argv) {
  // The baseline of the whole-process save benchmark runs as a process of its own.
  if (argc == 3 && std::strcmp(argv[1], korain::bench::kCopyAndSyncOption) == 0) {
    return korain::bench::copyAndSync(argv[2]);
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
