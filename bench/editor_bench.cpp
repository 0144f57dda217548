// Speed of one edit in a panel with its whole refresh cycle (undo level,
// recomputation of the bulkheads it reached, panel refill, menus, repaint), of
// Undo and Redo with theirs, and of start-up to the shown main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <stdexcept>

#include "bench_support.h"
#include "main/editor_startup.h"
#include "main/fm_main.h"
#include "sample_arrangement.h"
#include "session_loading.h"
#include "widgets/number_field.h"

namespace {

constexpr char kExample[] = KORAIN_EXAMPLES "/bulk_carrier.ko2";

// Benchmarks ask nothing: every question is answered No.
struct SilentPrompt : korain::Prompt {
  void showMessage(const std::string&) override {}
  korain::Answer ask(const std::string&, korain::Choices) override { return korain::Answer::No; }
  std::optional<std::string> askFileName(const korain::FileQuestion&) override {
    return std::nullopt;
  }
};

// The example's arrangement, or another in its place, in a shown main window
// on the node panel of bulkhead 1.
struct EditorOn {
  explicit EditorOn(const korain::Arrangement* replacement) {
    session.run.applicationTitle = "Korain";
    korain::openDatabase(session, kExample);
    if (!korain::openArrangement(session, 1).found()) throw std::runtime_error("no example");
    if (replacement) session.startArrangement(*replacement, korain::Origin::Opened);
    session.moveSelection([](korain::Arrangement& a) { a.CurBulkhead = 1; },
                          korain::Follow::Nothing);
    session.display().CurrentPanel = korain::PanelCode::Nodes;
    window.resize(1600, 1000);
    window.show();
    window.initialiseView();
    QApplication::processEvents();
  }

  korain::NumberField& field(const char* name) {
    auto* found = window.findChild<korain::NumberField*>(name);
    if (found == nullptr) throw std::runtime_error("no node field");
    return *found;
  }

  korain::Session session;
  SilentPrompt prompt;
  korain::FM_Main window{session, prompt};
};

// Types a value into a field and leaves it, as the user does.
void typeInto(korain::NumberField& field, double value) {
  field.setText(korain::numberFieldText(value));
  field.setModified(true);
  emit field.committed();
}

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
    const std::unique_ptr<korain::FM_Main> window = korain::startEditor(
        session, prompt,
        {.commandLine = korain::parseCommandLine(std::string("/V \"") + kExample + "\" 1"),
         .iniPath = folder.filePath("Tessaly.ini").toStdString(),
         .programFolder = folder.path().toStdString()});
    if (!window) throw std::runtime_error("start-up ended");
    QApplication::processEvents();
  }
}

}  // namespace

BENCHMARK(editNodeOnExample)->Unit(benchmark::kMillisecond);
BENCHMARK(editNodeOn200Bulkheads)->Unit(benchmark::kMillisecond);
BENCHMARK(undoRedoOn200Bulkheads)->Unit(benchmark::kMillisecond);
BENCHMARK(startToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
