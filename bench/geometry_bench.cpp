// Speed of the geometry computation that runs after every edit, and of picking.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench_support.h"
#include "geometry/compute_geometry.h"
#include "geometry/picking.h"
#include "io/zel_reader.h"

namespace {

using korain::testing::SampleSize;

// The plane bulkhead of the example database, as users enter them (8 nodes
// with an arc, 2 stringers, 18 stiffeners of 3 spans, 4 bands of 3 strakes),
// repeated `count` times.
korain::Arrangement typicalArrangement(int count) {
  korain::Arrangement example;
  if (!korain::readZelBlock(KORAIN_EXAMPLES "/bulk_carrier.ko2", 1, example).found()) {
    throw std::runtime_error("the example database cannot be read");
  }
  korain::Arrangement arrangement = example;
  arrangement.Bulkheads.redim(count);
  for (korain::Bulkhead& bulkhead : arrangement.Bulkheads) bulkhead = example.Bulkheads.first();
  return arrangement;
}

// Twice the stiffeners and twice the strakes of the large arrangement.
SampleSize doubledObjects(SampleSize size) {
  size.stiffeners *= 2;
  size.strakesPerBand *= 2;
  return size;
}

void recompute(benchmark::State& state, korain::Arrangement arrangement) {
  korain::MessageList messages;
  for (auto _ : state) {
    korain::GeometryState geometry;
    messages.clear();
    korain::computeGeometry(arrangement, geometry, messages, 1);
    benchmark::DoNotOptimize(arrangement.Bulkheads.first().YMax);
  }
  state.counters["bulkheads_per_s"] = benchmark::Counter(
      arrangement.Bulkheads.count(), benchmark::Counter::kIsIterationInvariantRate);
}

void computeTypical10(benchmark::State& state) { recompute(state, typicalArrangement(10)); }
void computeTypical200(benchmark::State& state) { recompute(state, typicalArrangement(200)); }
void computeLarge(benchmark::State& state) {
  recompute(state, korain::testing::sampleArrangement(korain::bench::kLargeSize));
}
void computeLargeDoubled(benchmark::State& state) {
  recompute(state, korain::testing::sampleArrangement(doubledObjects(korain::bench::kLargeSize)));
}

// A pick that finds nothing tries every object of every bulkhead: the worst
// case. The point lies inside the contours, among the objects.
void findObjectMiss(benchmark::State& state) {
  korain::Arrangement arrangement = korain::testing::sampleArrangement(korain::bench::kLargeSize);
  korain::MessageList messages;
  korain::GeometryState geometry;
  korain::computeGeometry(arrangement, geometry, messages, 1);
  const korain::Long everything = korain::kPickNodes | korain::kPickPrimaryMembers |
                                  korain::kPickStiffenerSpans | korain::kPickStrakes;
  for (auto _ : state) {
    korain::PickTarget target;
    benchmark::DoNotOptimize(korain::findObject(arrangement, {12.05, 4.05}, 0.001, everything,
                                                korain::PanelCode::Bulkhead, target));
  }
}

}  // namespace

BENCHMARK(computeTypical10)->Unit(benchmark::kMicrosecond);
BENCHMARK(computeTypical200)->Unit(benchmark::kMillisecond);
BENCHMARK(computeLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(computeLargeDoubled)->Unit(benchmark::kMillisecond);
BENCHMARK(findObjectMiss)->Unit(benchmark::kMicrosecond);
