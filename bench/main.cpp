// Runs every benchmark of the folder.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
