// Speed of writing and reading a large ZEL block, against splitting and copying the same bytes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench_support.h"
#include "io/zel_reader.h"
#include "io/zel_writer.h"
#include "sample_arrangement.h"

namespace {

const korain::Arrangement& largeArrangement() {
  static const korain::Arrangement arrangement =
      korain::testing::sampleArrangement(korain::bench::kLargeSize);
  return arrangement;
}

const std::string& largeBlock() {
  static const std::string text = [] {
    korain::Arrangement copy = largeArrangement();
    std::string out;
    korain::writeZelBlock(out, copy, 1, korain::bench::fixedContext());
    return out;
  }();
  return text;
}

void writeZel(benchmark::State& state) {
  korain::Arrangement copy = largeArrangement();
  std::string out;
  out.reserve(largeBlock().size());
  for (auto _ : state) {
    out.clear();
    korain::writeZelBlock(out, copy, 1, korain::bench::fixedContext());
    benchmark::DoNotOptimize(out.data());
  }
  korain::bench::setBytes(state, largeBlock());
}

void copyBytes(benchmark::State& state) {
  const std::string& text = largeBlock();
  std::string out;
  out.reserve(text.size());
  for (auto _ : state) {
    out.clear();
    out.append(text);
    benchmark::DoNotOptimize(out.data());
  }
  korain::bench::setBytes(state, largeBlock());
}

void readZel(benchmark::State& state) {
  const std::string& text = largeBlock();
  korain::Arrangement arrangement;
  for (auto _ : state) {
    korain::readZelBlockFromBytes(text, "bench.ko2", 1, arrangement);
    benchmark::DoNotOptimize(arrangement.Bulkheads.count());
  }
  korain::bench::setBytes(state, largeBlock());
}

void splitLines(benchmark::State& state) { korain::bench::splitLines(state, largeBlock()); }

}  // namespace

BENCHMARK(writeZel)->Unit(benchmark::kMillisecond);
BENCHMARK(copyBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(readZel)->Unit(benchmark::kMillisecond);
BENCHMARK(splitLines)->Unit(benchmark::kMillisecond);
