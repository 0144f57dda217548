// What the benchmarks share: the writer's fixed context and the line-splitting baseline.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

#include "io/line_cursor.h"
#include "io/zel_writer.h"
#include "sample_arrangement.h"

namespace korain::bench {

inline ZelWriteContext fixedContext() {
  return {.program = {1, 0, 1},
          .user = "bench",
          .site = "bench",
          .date = "05/12/2026",
          .time = "12:00:00",
          .identification = {}};
}

// The largest arrangement a user could make: 200 bulkheads, each with 100
// nodes, 20 members, 200 stiffeners of 3 spans and 10 bands of 10 strakes.
inline constexpr testing::SampleSize kLargeSize{.bulkheads = 200,
                                                .nodes = 100,
                                                .primaryMembers = 20,
                                                .stiffeners = 200,
                                                .spans = 3,
                                                .bands = 10,
                                                .strakesPerBand = 10,
                                                .fillingLevels = 5};

inline void setBytes(benchmark::State& state, std::string_view bytes) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// The baseline of every reading speed: only splitting the same bytes into lines.
inline void splitLines(benchmark::State& state, std::string_view bytes) {
  for (auto _ : state) {
    LineCursor cursor(bytes);
    std::string_view line;
    std::size_t lines = 0;
    while (cursor.next(line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  setBytes(state, bytes);
}

}  // namespace korain::bench
