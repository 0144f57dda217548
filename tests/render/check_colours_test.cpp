// The check display of the example read back from its picture: every strake filled in exactly the
// colour of its value's legend swatch, and that swatch drawn in the legend.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <map>
#include <string>

#include "checks/check_modes.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "example_scene.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

// The legend's colour of a thickness, read from the entry's text ("  12.0 mm"): the value the
// reader of the legend sees, not the index the painter uses.
std::optional<QRgb> legendColourOf(const Legend& legend, double thickness) {
  for (const LegendEntry& entry : legend) {
    if (std::abs(std::stod(entry.Text) - thickness) < 0.001)
      return QColor::fromRgb(static_cast<QRgb>(entry.Colour)).rgb();
  }
  return std::nullopt;
}

// The most frequent colour of the pixels that lie, with a margin of three pixels, inside the
// polygon; none when fewer than `least` do.
std::optional<QRgb> interiorColour(const QImage& image, const QPolygonF& polygon, int least) {
  std::map<QRgb, int> counts;
  int inside = 0;
  const QRect box = polygon.boundingRect().toAlignedRect().intersected(image.rect());
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      bool deep = true;
      for (const QPoint step : {QPoint(-3, -3), QPoint(3, -3), QPoint(-3, 3), QPoint(3, 3)}) {
        deep = deep && polygon.containsPoint(QPointF(x, y) + step, Qt::OddEvenFill);
      }
      if (!deep) continue;
      ++inside;
      ++counts[image.pixel(x, y)];
    }
  }
  if (inside < least) return std::nullopt;
  return std::ranges::max_element(counts, {}, [](const auto& pair) { return pair.second; })->first;
}

TEST(CheckColours, EveryStrakeOfTheExampleIsFilledInItsLegendSwatchsColourExactly) {
  ExampleScene example(1, display_bit::kStrakes);
  example.options.CheckMode = check_mode::kThickness;
  example.options.Palette = defaultCheckPalette();
  example.options.CurrentLegend =
      buildLegend(example.arrangement, check_mode::kThickness, example.options.Palette,
                  example.ship, [](std::string_view) {});
  ASSERT_GE(example.options.CurrentLegend.size(), 3U);
  QImage image(1600, 1200, QImage::Format_RGB32);
  image.fill(Qt::black);
  const QRectF device(image.rect());
  const WorldWindow window =
      frameWindow(fullExtent(example.arrangement, &*example.section, example.ship), 5,
                  device.width() / device.height());
  {
    QPainter painter(&image);
    paintArrangement(
        painter, device, window, example.scene(), 2,
        {.selection = Highlight::Hidden, .labels = LabelPolicy::KeepAll, .keepClear = {}});
  }
  const QTransform toDevice = worldToDevice(window, device);
  int strakesSeen = 0;
  std::map<QRgb, int> fillsUsed;
  for (const Bulkhead& bulkhead : example.arrangement.Bulkheads) {
    for (const StrakeBand& band : bulkhead.StrakeBands) {
      for (const Strake& strake : band.Strakes) {
        QPolygonF polygon;
        for (const StrakePoint& p : strake.Outline) polygon << toDevice.map(QPointF(p.Y, p.Z));
        const std::optional<QRgb> fill = interiorColour(image, polygon, 200);
        if (!fill) continue;
        SCOPED_TRACE(::testing::Message() << "strake of " << strake.Th << " mm");
        const std::optional<QRgb> swatch = legendColourOf(example.options.CurrentLegend, strake.Th);
        ASSERT_TRUE(swatch);
        EXPECT_EQ(QColor(*fill).name().toStdString(), QColor(*swatch).name().toStdString());
        ++strakesSeen;
        ++fillsUsed[*fill];
      }
    }
  }
  EXPECT_GE(strakesSeen, 3);
  // Each fill's swatch is drawn in the legend in the upper right corner, in the same colour.
  const QImage corner = image.copy(image.width() * 2 / 3, 0, image.width() / 3, image.height() / 2);
  for (const auto& [fill, count] : fillsUsed) {
    bool drawn = false;
    for (int y = 0; y < corner.height() && !drawn; ++y) {
      for (int x = 0; x < corner.width() && !drawn; ++x) drawn = corner.pixel(x, y) == fill;
    }
    EXPECT_TRUE(drawn) << QColor(fill).name().toStdString();
  }
}

}  // namespace
}  // namespace korain::testing
