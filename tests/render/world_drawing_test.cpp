// The world drawing as a CAD file receives it: each label no higher than the
// box the picture gives it across its reading and turned with it, the extent
// around every arc, and the title block and legend beside the drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/legend.h"
#include "checks/palette.h"
#include "drawing_sheet.h"
#include "example_scene.h"
#include "inch_units.h"
#include "world_extent.h"
#include "world_title_and_legend.h"

namespace korain::testing {
namespace {

const QSize kPicture{1600, 1000};

PlacedLabels placedOnPicture(const DrawingScene& scene) {
  QImage picture(kPicture, QImage::Format_RGB32);
  QPainter painter(&picture);
  return paintDrawingSheet(painter, QRectF(QPointF(0, 0), kPicture), kScreenDpi,
                           {.labels = LabelPolicy::KeepAll}, scene);
}

TEST(WorldDrawing, LabelsKeepTheirThicknessAndTurnWithTheirBoxes) {
  const ExampleScene example(1, kEverything | display_bit::kScantlings);
  const WorldDrawing drawing = worldDrawing(example.scene(), kPicture);
  const PlacedLabels placed = placedOnPicture(example.scene());
  ASSERT_EQ(drawing.texts.size(), placed.size());
  const double pixelsPerMetre = kScreenDpi / kPointsPerInch / drawing.metresPerPoint;
  int upright = 0;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const QRectF& box = placed[i].box;
    const WorldText& text = drawing.texts[i];
    // The halo holds the text's line: its capitals are lower than the box is thick.
    EXPECT_LT(text.height * pixelsPerMetre, std::min(box.width(), box.height()))
        << text.text.toStdString();
    EXPECT_GT(text.height, 0) << text.text.toStdString();
    // A text of a few characters is longer than it is high: its box stands
    // on end exactly when it reads upwards.
    if (text.text.size() >= 3) {
      EXPECT_EQ(text.rotation, box.height() > box.width() ? 90.0 : 0.0) << text.text.toStdString();
    }
    upright += text.rotation == 90 ? 1 : 0;
  }
  EXPECT_GT(upright, 0);  // the block's stiffeners stand upright
}

struct ArcCase {
  PlanePoint from, to;
  double bulge;
};

// Dense points of the arc, which the extent must hold and hardly exceed.
std::vector<PlanePoint> sampled(const ArcCase& arc) {
  const double sweep = 4 * std::atan(arc.bulge);
  const double chord = std::hypot(arc.to.y - arc.from.y, arc.to.z - arc.from.z);
  const double radius = chord / (2 * std::sin(std::abs(sweep) / 2));
  // Each sample is the chord's point seen from both ends at the inscribed angle.
  std::vector<PlanePoint> points;
  const double start = std::atan2(arc.to.z - arc.from.z, arc.to.y - arc.from.y) - sweep / 2;
  for (int k = 0; k <= 2000; ++k) {
    const double t = sweep * k / 2000;
    const double heading = start + t / 2;
    const double length = 2 * radius * std::sin(std::abs(t) / 2);
    points.push_back(
        {arc.from.y + length * std::cos(heading), arc.from.z + length * std::sin(heading)});
  }
  return points;
}

TEST(WorldExtent, HoldsEveryArcWhicheverWayItTurns) {
  const ArcCase cases[] = {
      {{1, 0}, {0, 1}, std::tan(std::numbers::pi / 8)},   // a quarter anticlockwise
      {{1, 0}, {0, 1}, -std::tan(std::numbers::pi / 8)},  // the same chord clockwise
      {{0, 0}, {2, 0}, 1},                                // a half circle below
      {{0, 0}, {2, 0}, -2.5},                             // more than half, above
      {{3, 1}, {3, 5}, 0.3},                              // a flat arc on an upright chord
  };
  for (const ArcCase& arc : cases) {
    WorldDrawing drawing;
    drawing.paths.push_back({WorldLayer::Contour, {{arc.from, arc.bulge}, {arc.to, 0}}});
    const WorldWindow extent = worldExtent(drawing);
    const std::vector<PlanePoint> points = sampled(arc);
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](PlanePoint a, PlanePoint b) { return a.y < b.y; });
    const auto [bottom, top] = std::minmax_element(
        points.begin(), points.end(), [](PlanePoint a, PlanePoint b) { return a.z < b.z; });
    EXPECT_NEAR(extent.left, left->y, 1e-5) << arc.bulge;
    EXPECT_NEAR(extent.right(), right->y, 1e-5) << arc.bulge;
    EXPECT_NEAR(extent.bottom, bottom->z, 1e-5) << arc.bulge;
    EXPECT_NEAR(extent.top(), top->z, 1e-5) << arc.bulge;
  }
}

TEST(WorldTitleAndLegend, StandBesideTheDrawingWithEveryLineAndColour) {
  ExampleScene example(2, kEverything);
  example.options.CheckMode = 6;
  example.options.Palette = defaultCheckPalette();
  const Legend legend = buildLegend(example.arrangement, 6, example.options.Palette, example.ship,
                                    [](std::string_view) {});
  ASSERT_FALSE(legend.empty());
  TitleBlock block;
  block.Lines = {"Korain", "", "MV SHIP", "Hold 4/5", "", "Section", "Bulkheads", "user"};
  block.Scale = "1:100";

  WorldDrawing drawing = worldDrawing(example.scene(), kPicture);
  const WorldWindow before = worldExtent(drawing);
  const std::size_t firstPath = drawing.paths.size();
  const std::size_t firstText = drawing.texts.size();
  addTitleBlockAndLegend(drawing, block, legend, example.labels);

  std::vector<QRgb> swatches;
  for (std::size_t i = firstPath; i < drawing.paths.size(); ++i) {
    for (const PathVertex& v : drawing.paths[i].path) EXPECT_GT(v.point.y, before.right());
    if (drawing.paths[i].filled) swatches.push_back(drawing.paths[i].colour.rgb() & 0xFFFFFFU);
  }
  std::vector<std::string> titles;
  std::vector<std::string> entries;
  for (std::size_t i = firstText; i < drawing.texts.size(); ++i) {
    const WorldText& text = drawing.texts[i];
    EXPECT_GT(text.place.y, before.right());
    (text.layer == WorldLayer::TitleBlock ? titles : entries).push_back(text.text.toStdString());
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"Korain", "MV SHIP", "Hold 4/5", "Section",
                                              "Bulkheads", "user", "1:100"}));
  std::vector<std::string> legendTexts;
  std::vector<QRgb> colours;
  for (const LegendEntry& entry : legend) {
    legendTexts.push_back(entry.Text);
    if (entry.Colour != 0) colours.push_back(static_cast<QRgb>(entry.Colour));
  }
  EXPECT_EQ(entries, legendTexts);
  EXPECT_EQ(swatches, colours);
}

}  // namespace
}  // namespace korain::testing
