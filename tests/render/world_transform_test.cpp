// World metres onto the device: one scale for both axes, z up, centred.
#include "world_transform.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korain::testing
