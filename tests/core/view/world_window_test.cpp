// The part of the world a drawing shows: the full extent, its framing on a
// surface, and zooming about a point.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/world_window.h"

#include <gtest/gtest.h>

#include "../geometry/geometry_test_support.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "section/nearest_section.h"

namespace korain::testing {
namespace {

void expectWindow(const WorldWindow& actual, const WorldWindow& expected) {
  EXPECT_NEAR(actual.left, expected.left, 1e-9);
  EXPECT_NEAR(actual.bottom, expected.bottom, 1e-9);
  EXPECT_NEAR(actual.width, expected.width, 1e-9);
  EXPECT_NEAR(actual.height, expected.height, 1e-9);
}

TEST(WorldWindow, FrameAddsTheMarginThenWidensToTheSurfaceAspect) {
  // 40 % of the larger side (10 m) in all: 2 m each side, 14 x 12 m before the aspect. A section
  // across the centre line stays centred; a half-section (nothing to port) keeps a quarter of its
  // margin left of the centre line (12.5 x 12 m before the aspect) and widens to starboard only.
  struct Case {
    double left;  // of the 10 x 8 m extent
    double margin;
    double aspect;
    WorldWindow expected;
  };
  for (const Case& c :
       {Case{-5, 40, 2, {-12, -2, 24, 12}}, Case{-5, 40, 0.5, {-7, -10, 14, 28}},
        Case{-5, 40, 14.0 / 12, {-7, -2, 14, 12}}, Case{-5, 0, 0, {-5, 0, 10, 8}},
        Case{-5, -20, 0, {-5, 0, 10, 8}}, Case{-5, 100, 0, {-10, -5, 20, 18}},
        Case{0, 40, 2, {-0.5, -2, 24, 12}}, Case{0, 40, 0.5, {-0.5, -8.5, 12.5, 25}},
        Case{-0.0005, 0, 2, {-0.0005, 0, 16, 8}}}) {
    SCOPED_TRACE(::testing::Message()
                 << "left " << c.left << ", margin " << c.margin << ", aspect " << c.aspect);
    expectWindow(frameWindow({c.left, 0, 10, 8}, c.margin, c.aspect), c.expected);
  }
}

TEST(WorldWindow, ZoomingInAndOutAboutOnePointReturnsTheWindow) {
  const WorldWindow full{-6, -1, 24, 12};
  const WorldWindow in = zoomAt(full, 6, 5, 4);
  expectWindow(in, {3, 3.5, 6, 3});
  expectWindow(zoomAt(in, 6, 5, 0.25), full);
  EXPECT_TRUE(isZoomed(in, full));
  EXPECT_FALSE(isZoomed(full, full));
  EXPECT_FALSE(isZoomed(zoomAt(full, 0, 0, 0.5), full));
  // Narrower in one direction only is still zoomed.
  EXPECT_TRUE(isZoomed({-6, -1, 24, 11.5}, full));
  EXPECT_TRUE(isZoomed({-6, -1, 23, 30}, full));
}

TEST(WorldWindow, FullExtentTakesTheShipFrameAndTheCentreLine) {
  Arrangement arrangement;
  arrangement.Bulkheads.append();  // no node: nothing to show
  expectWindow(fullExtent(arrangement, nullptr, ShipData{}), {0, 0, 10, 10});
  arrangement.Bulkheads.append(bulkheadThrough(
      {straightNode(4, 2), straightNode(9, 2), straightNode(9, 7), straightNode(4, 2)}));
  // The centre line stays in view although the bulkhead lies off it.
  expectWindow(fullExtent(arrangement, nullptr, ShipData{}), {0, 2, 9, 5});
  ShipData ship;
  ship.B = 24;
  ship.D = 10;
  expectWindow(fullExtent(arrangement, nullptr, ship), {0, 0, 12, 10});
}

TEST(WorldWindow, FullExtentOfTheExampleIncludesTheSectionBehind) {
  const std::string path = KORAIN_EXAMPLES "/bulk_carrier.ko2";
  Arrangement arrangement;
  ASSERT_TRUE(readZelBlock(path, 1, arrangement).found());
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(path, error);
  ASSERT_TRUE(bytes) << error;
  const std::optional<Section> section = nearestSection(*bytes, path, arrangement.X);
  ASSERT_TRUE(section);
  const WorldWindow alone = fullExtent(arrangement, nullptr, ShipData{});
  const WorldWindow whole = fullExtent(arrangement, &*section, ShipData{});
  // The hull reaches beyond the bulkhead on some side, and contains it.
  EXPECT_GT(whole.width * whole.height, alone.width * alone.height);
  EXPECT_TRUE(whole.left <= alone.left && whole.bottom <= alone.bottom &&
              whole.right() >= alone.right() && whole.top() >= alone.top());
}

}  // namespace
}  // namespace korain::testing
