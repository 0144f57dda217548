// Speed of drawing an arrangement into a full-HD picture, anti-aliased.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <optional>
#include <stdexcept>

#include "arrangement_painter.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "geometry/compute_geometry.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "section/nearest_section.h"
#include "ship/ship_data_reader.h"

namespace {

constexpr char kExample[] = KORAIN_EXAMPLES "/bulk_carrier.ko2";

struct ExampleScene {
  korain::Arrangement arrangement;
  std::optional<korain::Section> section;
  korain::ShipData ship;
  korain::DisplayOptions options;
  korain::DisplayConfig labels = korain::defaultDisplayConfig();
};

// Block 1 of the example with its plane bulkhead repeated `copies` times, each
// copy's stiffeners `stiffenerFactor` times as dense.
ExampleScene exampleScene(int copies, int stiffenerFactor, korain::Long checkMode) {
  ExampleScene scene;
  korain::Arrangement example;
  if (!korain::readZelBlock(kExample, 1, example).found()) throw std::runtime_error("no example");
  korain::readShipData(kExample, scene.ship);
  std::string error;
  scene.section =
      korain::nearestSection(*korain::readFileBytes(kExample, error), kExample, example.X);
  korain::Bulkhead bulkhead = example.Bulkheads.first();
  const korain::List<korain::OrdinaryStiffener> original = bulkhead.Stiffeners;
  bulkhead.Stiffeners.clear();
  for (int f = 0; f < stiffenerFactor; ++f) {
    for (korain::OrdinaryStiffener stiffener : original) {
      stiffener.Position += static_cast<korain::Single>(0.8 * f / stiffenerFactor);
      bulkhead.Stiffeners.append(stiffener);
    }
  }
  scene.arrangement = example;
  scene.arrangement.Bulkheads.redim(copies);
  for (korain::Bulkhead& copy : scene.arrangement.Bulkheads) copy = bulkhead;
  korain::GeometryState state;
  korain::MessageList messages;
  korain::computeGeometry(scene.arrangement, state, messages, 1);
  scene.options.DisplayWord = 0x1FF;
  scene.options.Palette = korain::defaultCheckPalette();
  scene.options.CheckMode = checkMode;
  if (checkMode != korain::kNoCheck) {
    scene.options.CurrentLegend =
        korain::buildLegend(scene.arrangement, checkMode, scene.options.Palette, scene.ship, {});
  }
  return scene;
}

void draw(benchmark::State& state, const ExampleScene& scene) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  const korain::DrawingScene drawing{scene.arrangement, scene.section ? &*scene.section : nullptr,
                                     scene.ship, scene.options, scene.labels};
  const korain::WorldWindow window = korain::frameWindow(
      korain::fullExtent(scene.arrangement, drawing.section, scene.ship), 10, 1920.0 / 1080);
  for (auto _ : state) {
    QPainter painter(&image);
    korain::paintArrangement(painter, QRectF(0, 0, 1920, 1080), window, drawing, 96.0 / 72);
  }
  int stiffeners = 0;
  for (const korain::Bulkhead& b : scene.arrangement.Bulkheads) stiffeners += b.Stiffeners.count();
  state.counters["stiffeners"] = stiffeners;
}

void drawExample(benchmark::State& state) {
  draw(state, exampleScene(1, static_cast<int>(state.range(0)), korain::kNoCheck));
}

void drawExampleChecked(benchmark::State& state) { draw(state, exampleScene(1, 1, 6)); }

// The check panel's legend over 50 copies of the example's bulkhead: the
// thickness check reads the strakes only, the section modulus check computes
// every span's section first.
void legendOf50Bulkheads(benchmark::State& state) {
  ExampleScene scene = exampleScene(50, 1, korain::kNoCheck);
  const auto mode = static_cast<korain::Long>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        korain::buildLegend(scene.arrangement, mode, scene.options.Palette, scene.ship, {}));
  }
}

}  // namespace

BENCHMARK(drawExample)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(drawExampleChecked)->Unit(benchmark::kMillisecond);
BENCHMARK(legendOf50Bulkheads)->Arg(6)->Arg(12)->Unit(benchmark::kMillisecond);
