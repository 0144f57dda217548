// Speed of the data report written to a PDF: pages per second, for the
// example and for many bulkheads (time should grow with the pages alone).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QDir>
#include <stdexcept>

#include "bench_support.h"
#include "geometry/compute_geometry.h"
#include "io/zel_reader.h"
#include "print_surface_qt.h"
#include "report/data_report.h"
#include "report_pictures.h"
#include "ship/ship_data_reader.h"

namespace {

constexpr char kExample[] = KORAIN_EXAMPLES "/bulk_carrier.ko2";

struct ReportScene {
  korain::Arrangement arrangement;
  korain::ShipData ship;
};

// Block 1 of the example with its plane bulkhead repeated `copies` times.
ReportScene exampleReport(int copies) {
  ReportScene scene;
  korain::Arrangement example;
  if (!korain::readZelBlock(kExample, 1, example).found()) throw std::runtime_error("no example");
  korain::readShipData(kExample, scene.ship);
  scene.arrangement = example;
  scene.arrangement.Bulkheads.redim(copies);
  for (korain::Bulkhead& bulkhead : scene.arrangement.Bulkheads)
    bulkhead = example.Bulkheads.first();
  korain::GeometryState state;
  korain::MessageList messages;
  korain::computeGeometry(scene.arrangement, state, messages, 1);
  return scene;
}

void writeReport(benchmark::State& state, const ReportScene& scene) {
  const std::string path =
      QDir::temp().filePath(QStringLiteral("korain-bench-report.pdf")).toStdString();
  const korain::DisplayOptions display;
  const korain::DisplayConfig labels = korain::defaultDisplayConfig();
  const korain::DrawingScene drawing{scene.arrangement, nullptr, scene.ship, display, labels};
  korain::ReportRequest request;
  request.Items.fill(true);
  request.DatabaseName = "bench.ko2";
  int pages = 0;
  for (auto _ : state) {
    korain::PdfPrintSurface pdf(path);
    pdf.setPicturePainter(korain::reportPicturePainter(drawing));
    korain::PageSetup setup;
    korain::printReport(pdf, setup, scene.arrangement, scene.ship, request);
    pdf.endDocument();
    pages = pdf.pageNumber();
  }
  QFile::remove(QString::fromStdString(path));
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] =
      benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

void reportOfCopies(benchmark::State& state) {
  writeReport(state, exampleReport(static_cast<int>(state.range(0))));
}

}  // namespace

BENCHMARK(reportOfCopies)->Arg(1)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);
