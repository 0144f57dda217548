// Speed of one edit in a panel with its whole refresh cycle (undo level,
// recomputation of the bulkheads it reached, panel refill, menus, repaint), of
// Undo and Redo with theirs, and of start-up to the shown main window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <stdexcept>

#include "bench_support.h"
#include "editor_support.h"
#include "main/editor_startup.h"
#include "sample_arrangement.h"

namespace {

using korain::bench::EditorOn;
using korain::bench::kExample;
using korain::bench::SilentPrompt;
using korain::bench::typeInto;

// The user types a node's y into the node panel and leaves the field.
void editNode(benchmark::State& state, const korain::Arrangement* replacement) {
  EditorOn editor(replacement);
  korain::NumberField& field = editor.field("FTX_m_0");
  double y = field.value();
  for (auto _ : state) {
    y = y > 1 ? y - 0.01 : y + 0.01;
    typeInto(field, y);
    QApplication::processEvents();  // the repaint it asked for
  }
}

// Undo and Redo of one edit, each with its whole refresh cycle.
void undoRedoOn200Bulkheads(benchmark::State& state) {
  const korain::Arrangement large = korain::testing::sampleArrangement(korain::bench::kLargeSize);
  EditorOn editor(&large);
  korain::NumberField& field = editor.field("FTX_m_1");
  typeInto(field, field.value() + 0.5);
  QAction& undo = *editor.window.actions().undo;
  QAction& redo = *editor.window.actions().redo;
  for (auto _ : state) {
    undo.trigger();
    QApplication::processEvents();
    redo.trigger();
    QApplication::processEvents();
  }
}

void editNodeOnExample(benchmark::State& state) { editNode(state, nullptr); }

void editNodeOn200Bulkheads(benchmark::State& state) {
  const korain::Arrangement large = korain::testing::sampleArrangement(korain::bench::kLargeSize);
  editNode(state, &large);
}

void startToShownWindow(benchmark::State& state) {
  QTemporaryDir folder;
  for (auto _ : state) {
    korain::Session session;
    SilentPrompt prompt;
    const korain::StartedEditor started =
        korain::startEditor(session, prompt,
                            {.commandLine = korain::parseArguments({"/V", kExample, "1"}),
                             .iniPath = folder.filePath("Tessaly.ini").toStdString(),
                             .programFolder = folder.path().toStdString()});
    if (!started.window) throw std::runtime_error("start-up ended");
    QApplication::processEvents();
  }
}

}  // namespace

BENCHMARK(editNodeOnExample)->Unit(benchmark::kMillisecond);
BENCHMARK(editNodeOn200Bulkheads)->Unit(benchmark::kMillisecond);
BENCHMARK(undoRedoOn200Bulkheads)->Unit(benchmark::kMillisecond);
BENCHMARK(startToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
