// Speed and memory of the editor's undo history on the 200-bulkhead benchmark
// arrangement: one change with its incremental recomputation, Undo and Redo,
// and what a hundred levels cost against one copy of the arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "bench_support.h"
#include "edit/edited_arrangement.h"

namespace {

using korain::Arrangement;
using korain::EditedArrangement;
using korain::EditScope;

// Bytes the process holds on its heap now.
std::size_t heapInUse() { return mallinfo2().uordblks; }

EditedArrangement& largeEdited() {
  static EditedArrangement edited = [] {
    EditedArrangement e;
    e.reset(korain::testing::sampleArrangement(korain::bench::kLargeSize), 1,
            korain::Origin::Opened);
    return e;
  }();
  return edited;
}

// The y of node 2 of bulkhead i moved by a centimetre, as the node panel's Y field does it.
void moveNode(EditedArrangement& edited, int i, int step) {
  edited.change("Node data changes", EditScope::bulkhead(i), [i, step](Arrangement& a) {
    a.Bulkheads.at(i).Nodes.at(2).Y += static_cast<korain::Single>(step % 2 == 0 ? 0.01 : -0.01);
  });
}

void historyChangeOneOf200(benchmark::State& state) {
  EditedArrangement& edited = largeEdited();
  int step = 0;
  for (auto _ : state) {
    moveNode(edited, 1 + step % 200, step);
    ++step;
  }
}

void historyUndoRedoOn200(benchmark::State& state) {
  EditedArrangement& edited = largeEdited();
  moveNode(edited, 7, 0);
  // One Undo and one Redo an iteration.
  for (auto _ : state) {
    edited.undo();
    edited.redo();
  }
}

// A hundred changes, each of another bulkhead, against one copy of the arrangement.
void historyHundredLevelsMemory(benchmark::State& state) {
  for (auto _ : state) {
    const std::size_t start = heapInUse();
    auto copy = std::make_unique<Arrangement>(largeEdited().arrangement());
    const double oneCopy = static_cast<double>(heapInUse() - start);
    copy.reset();
    const std::size_t before = heapInUse();
    auto edited = std::make_unique<EditedArrangement>();
    edited->reset(largeEdited().arrangement(), 1, korain::Origin::Opened);
    for (int k = 1; k <= 100; ++k) moveNode(*edited, 1 + (k * 37) % 200, k);
    const double held = static_cast<double>(heapInUse() - before);
    state.counters["copies_held"] = held / oneCopy;
    state.counters["one_copy_MiB"] = oneCopy / (1024.0 * 1024.0);
  }
}

}  // namespace

BENCHMARK(historyChangeOneOf200)->Unit(benchmark::kMillisecond);
BENCHMARK(historyUndoRedoOn200)->Unit(benchmark::kMillisecond);
BENCHMARK(historyHundredLevelsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
