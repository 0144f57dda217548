// Speed of listing the blocks of a 50 MB database and of saving an arrangement
// into it, against splitting its lines and copying the file; and korain-cli
// list and resave on it as whole processes, the latter against the least such
// a save must do.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "copy_and_sync.h"
#include "io/block_list.h"
#include "io/database_save.h"
#include "io/text_file.h"
#include "measured_process.h"
#include "sample_arrangement.h"
#include "sample_section.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDatabaseBytes = 50'000'000;

// A database of about 50 MB: a preamble, then arrangements of a few bulkheads each.
const std::string& databaseBytes() {
  static const std::string bytes = [] {
    std::string text = "* benchmark database\r\n";
    korain::Arrangement arrangement = korain::testing::sampleArrangement({.bulkheads = 4,
                                                                          .nodes = 40,
                                                                          .primaryMembers = 6,
                                                                          .stiffeners = 40,
                                                                          .spans = 3,
                                                                          .bands = 5,
                                                                          .strakesPerBand = 5,
                                                                          .fillingLevels = 3});
    for (korain::Integer n = 1; text.size() < kDatabaseBytes; ++n) {
      korain::writeZelBlock(text, arrangement, n, korain::bench::fixedContext());
    }
    return text;
  }();
  return bytes;
}

const std::string& databasePath() {
  static const std::string path = [] {
    const fs::path file = fs::temp_directory_path() / "korain-bench.ko2";
    std::ofstream(file, std::ios::binary) << databaseBytes();
    return file.string();
  }();
  return path;
}

void listBlocks(benchmark::State& state) {
  const std::string& bytes = databaseBytes();
  for (auto _ : state) benchmark::DoNotOptimize(korain::listBlocks(bytes).size());
  korain::bench::setBytes(state, databaseBytes());
}

// The same list read from the file through the reader's buffer, as korain-cli list reads it.
void listBlocksOfFile(benchmark::State& state) {
  const std::string& path = databasePath();
  for (auto _ : state) {
    std::string error;
    const std::optional<std::vector<korain::BlockListEntry>> blocks =
        korain::listBlocksOfFile(path, error);
    if (!blocks) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(blocks);
  }
  korain::bench::setBytes(state, databaseBytes());
}

void splitLines(benchmark::State& state) { korain::bench::splitLines(state, databaseBytes()); }

// Replaces a block in the middle of the file, as saving an opened arrangement does.
void saveArrangement(benchmark::State& state) {
  korain::Arrangement arrangement = korain::testing::sampleArrangement({});
  databasePath();
  const korain::SaveRequest request{.database = databasePath(),
                                    .blockNumber = 100,
                                    .makeBackup = false,
                                    .source = {},
                                    .context = korain::bench::fixedContext()};
  for (auto _ : state) {
    if (korain::saveArrangement(request, arrangement).status != korain::SaveStatus::Saved) {
      state.SkipWithError("save failed");
    }
  }
  korain::bench::setBytes(state, databaseBytes());
}

void copyFile(benchmark::State& state) {
  const fs::path copy = databasePath() + ".copy";
  for (auto _ : state) {
    fs::copy_file(databasePath(), copy, fs::copy_options::overwrite_existing);
  }
  fs::remove(copy);
  korain::bench::setBytes(state, databaseBytes());
}

// Runs the program once per iteration, then once more for its peak memory,
// reported as peak_MiB.
void timeProcess(benchmark::State& state, const std::vector<std::string>& arguments,
                 const char* failure) {
  for (auto _ : state) {
    if (!korain::bench::runProcess(arguments)) {
      state.SkipWithError(failure);
      break;
    }
  }
  if (state.error_occurred()) return;
  const korain::bench::ProcessRun measured = korain::bench::runMeasuredProcess(arguments);
  if (!measured.succeeded) state.SkipWithError(failure);
  state.counters["peak_MiB"] = static_cast<double>(measured.peakKilobytes) / 1024.0;
  korain::bench::setBytes(state, databaseBytes());
}

// korain-cli list as a whole process: the file read through the list's buffer,
// one line printed per block, the process's start and end.
void listProcess(benchmark::State& state) {
  timeProcess(state, {KORAIN_CLI, "list", databasePath()}, "list failed");
}

// korain-cli resave of a block in the middle, with the .bak it keeps: reading
// the block, writing the file anew, syncing it, the process's start and end.
void resaveProcess(benchmark::State& state) {
  timeProcess(state, {KORAIN_CLI, "resave", databasePath(), "100"}, "resave failed");
}

// The least such a save must do, in a process of the same program size: copy
// the file to .bak, write its bytes anew and sync them.
void copyAndSyncProcess(benchmark::State& state) {
  timeProcess(
      state, {korain::bench::benchmarkProgram(), korain::bench::kCopyAndSyncOption, databasePath()},
      "copy failed");
}

}  // namespace

BENCHMARK(resaveProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(copyAndSyncProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(listProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(listBlocks)->Unit(benchmark::kMillisecond);
BENCHMARK(listBlocksOfFile)->Unit(benchmark::kMillisecond);
BENCHMARK(splitLines)->Unit(benchmark::kMillisecond);
BENCHMARK(saveArrangement)->Unit(benchmark::kMillisecond);
BENCHMARK(copyFile)->Unit(benchmark::kMillisecond);
