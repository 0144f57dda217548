// Speed of the stiffener and strake panels' edits with their whole refresh
// cycle: the wizard making a row of 100 stiffeners on the example, and a
// strake's thickness typed on the 200-bulkhead arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "bench_support.h"
#include "dialogs/fm_second_wiz.h"
#include "editor_support.h"
#include "sample_arrangement.h"

namespace {

using korain::bench::EditorOn;
using korain::bench::typeInto;

// The wizard's Ok for 100 stiffeners 0.1 m apart, then the repaint; the undo
// that takes them away again is not timed.
void wizardRowOnExample(benchmark::State& state) {
  EditorOn editor(nullptr, korain::PanelCode::OrdinaryStiffeners);
  for (auto _ : state) {
    korain::FM_SecondWiz wizard(editor.window);
    typeInto(*wizard.findChild<korain::NumberField*>("FTX_m_0"), 0.2);
    typeInto(*wizard.findChild<korain::NumberField*>("FTX_m_1"), 0.1);
    typeInto(*wizard.findChild<korain::NumberField*>("FTX_m_2"), 100);
    wizard.findChild<QPushButton*>("BT_Ok")->click();
    QApplication::processEvents();
    state.PauseTiming();
    editor.session.undo();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

// The user types a strake's thickness into the strake bands panel and leaves
// the field.
void strakeThicknessOn200Bulkheads(benchmark::State& state) {
  const korain::Arrangement large = korain::testing::sampleArrangement(korain::bench::kLargeSize);
  EditorOn editor(&large, korain::PanelCode::StrakeBands);
  korain::NumberField& field = editor.field("FTX_Th");
  double thickness = field.value();
  for (auto _ : state) {
    thickness = thickness > 20 ? thickness - 0.5 : thickness + 0.5;
    typeInto(field, thickness);
    QApplication::processEvents();
  }
}

}  // namespace

BENCHMARK(wizardRowOnExample)->Unit(benchmark::kMillisecond);
BENCHMARK(strakeThicknessOn200Bulkheads)->Unit(benchmark::kMillisecond);
