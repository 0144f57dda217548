// Speed of listing the blocks of a 50 MB database and of saving an arrangement
// into it, against splitting its lines and copying the file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "io/block_list.h"
#include "io/database_save.h"
#include "io/text_file.h"
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

}  // namespace

BENCHMARK(listBlocks)->Unit(benchmark::kMillisecond);
BENCHMARK(splitLines)->Unit(benchmark::kMillisecond);
BENCHMARK(saveArrangement)->Unit(benchmark::kMillisecond);
BENCHMARK(copyFile)->Unit(benchmark::kMillisecond);
