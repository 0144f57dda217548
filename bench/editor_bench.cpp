// Speed of one edit in a panel with its whole refresh cycle (undo snapshot,
// recomputation of every bulkhead, panel refill, menus, repaint), and of
// start-up to the shown main window.
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

// The user types a node's y into the node panel and leaves the field.
void editNode(benchmark::State& state, const korain::Arrangement* replacement) {
  korain::Session session;
  session.run.applicationTitle = "Korain";
  korain::openDatabase(session, kExample);
  if (!korain::openArrangement(session, 1).found()) throw std::runtime_error("no example");
  if (replacement) session.arrangement() = *replacement;
  session.arrangement().CurBulkhead = 1;
  session.display().CurrentPanel = korain::PanelCode::Nodes;
  SilentPrompt prompt;
  korain::FM_Main window(session, prompt);
  window.resize(1600, 1000);
  window.show();
  window.initialiseView();
  QApplication::processEvents();
  auto* field = window.findChild<korain::NumberField*>("FTX_m_0");
  if (field == nullptr) throw std::runtime_error("no node field");
  double y = field->value();
  for (auto _ : state) {
    y = y > 1 ? y - 0.01 : y + 0.01;
    field->setText(korain::numberFieldText(y));
    field->setModified(true);
    emit field->committed();
    QApplication::processEvents();  // the repaint it asked for
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
BENCHMARK(startToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
