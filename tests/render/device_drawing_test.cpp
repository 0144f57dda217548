// The drawing fitted to a device: world metres onto its pixels (one scale for
// both axes, z up, centred), label sizes in its points scaled by its reduction
// factor within readable bounds, and on devices of few colours only the
// system's own colours replaced.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>

#include "device_colours.h"
#include "drawing_style.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

TEST(WorldToDevice, KeepsTheAspectTurnsZUpAndCentres) {
  const struct {
    WorldWindow window;
    QRectF device;
    QPointF world, expected;
  } cases[] = {
      // 10 x 8 m on 200 x 100 px: the height limits, 12.5 px a metre; centred across the width.
      {{0, 0, 10, 8}, {0, 0, 200, 100}, {5, 4}, {100, 50}},
      {{0, 0, 10, 8}, {0, 0, 200, 100}, {0, 0}, {37.5, 100}},
      // A tall rectangle away from the origin: the width limits, 10 px a metre.
      {{-4, 2, 8, 4}, {10, 20, 80, 200}, {0, 4}, {50, 120}},
      {{-4, 2, 8, 4}, {10, 20, 80, 200}, {-4, 2}, {10, 140}},
      // Without size: the window's centre on the device's, at scale 1.
      {{3, 4, 0, 0}, {0, 0, 100, 60}, {4, 5}, {51, 29}},
      {{1, 2, 4, 0}, {0, 0, 100, 60}, {3, 2}, {50, 30}},
      {{1, 2, 0, -6}, {0, 0, 100, 60}, {2, 0}, {51, 29}},
  };
  for (const auto& c : cases) {
    const QTransform transform = worldToDevice(c.window, c.device);
    const QPointF mapped = transform.map(c.world);
    EXPECT_NEAR(mapped.x(), c.expected.x(), 1e-9) << c.world.x() << ", " << c.world.y();
    EXPECT_NEAR(mapped.y(), c.expected.y(), 1e-9) << c.world.x() << ", " << c.world.y();
    EXPECT_DOUBLE_EQ(transform.m11(), -transform.m22());
  }
}

TEST(DrawingStyle, ReductionFactorScalesLabelSizesWithinReadableBounds) {
  struct Case {
    Single factor;
    int nodePoints;
    int expectedPixels;  // at two pixels a point
  };
  for (const Case& c : {Case{0.1F, 9, 18}, Case{0.05F, 10, 10}, Case{0.2F, 9, 36},
                        Case{0.001F, 9, 8}, Case{100.0F, 9, 144}}) {
    DisplayConfig labels = defaultDisplayConfig();
    labels.ReductionFactor = c.factor;
    labels.NodeFontSize = c.nodePoints;
    const DrawingStyle style(labels, 2.0);
    EXPECT_EQ(style.font(LabelKind::Node).pixelSize(), c.expectedPixels) << c.factor;
  }
}

TEST(DeviceColours, FewColoursReplaceOnlyTheSystemColoursAndTheCountFollowsTheDepth) {
  QPalette system;
  const QColor button(212, 208, 200);
  const QColor window(236, 233, 216);
  const QColor navy(24, 39, 66);
  system.setColor(QPalette::Button, button);
  system.setColor(QPalette::Window, window);
  const struct {
    QColor colour;
    long colours;
    QColor shown;
  } cases[] = {{button, 256, QColor(192, 192, 192)},
               {window, 16, QColor(Qt::white)},
               {navy, 256, navy},
               {button, 257, button}};
  for (const auto& c : cases) {
    EXPECT_EQ(colourForDevice(c.colour, c.colours, system), c.shown)
        << c.colour.name().toStdString() << " in " << c.colours;
  }
  EXPECT_EQ(deviceColourCount(QImage(4, 4, QImage::Format_Indexed8)), 256);
  EXPECT_EQ(deviceColourCount(QImage(4, 4, QImage::Format_Mono)), 2);
  EXPECT_GT(deviceColourCount(QImage(4, 4, QImage::Format_RGB32)), 256);
}

}  // namespace
}  // namespace korain::testing
