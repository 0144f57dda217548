// What the benchmarks share: the writer's fixed context and the line-splitting baseline.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

#include "io/line_cursor.h"
#include "io/zel_writer.h"

namespace korain::bench {

inline ZelWriteContext fixedContext() {
  return {.program = {1, 0, 1},
          .user = "bench",
          .site = "bench",
          .date = "05/12/2026",
          .time = "12:00:00",
          .identification = {}};
}

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
