// The labels of the drawing: the scantlings along the stiffeners, and every
// label drawn over every fill, the current bulkhead's strakes included.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_labels.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "../core/geometry/geometry_test_support.h"
#include "example_scene.h"

namespace korain::testing {
namespace {

using namespace display_bit;

int countOf(const PlacedLabels& labels, const QString& text) {
  return static_cast<int>(std::count_if(labels.begin(), labels.end(),
                                        [&](const PlacedLabel& l) { return l.text == text; }));
}

PlacedLabels paintExample(Long word, LabelPolicy policy) {
  const ExampleScene example(1, word);
  QImage image(1600, 1000, QImage::Format_RGB32);
  QPainter painter(&image);
  const WorldWindow window =
      frameWindow(fullExtent(example.arrangement, example.scene().section, example.ship), 40, 1.6);
  return paintArrangement(painter, QRectF(image.rect()), window, example.scene(), 96.0 / 72,
                          {.labels = policy, .keepClear = {}});
}

// The example's 18 stiffeners share one profile, 10 of their lowest spans
// another: each group carries one label with its count, shown only with the
// scantlings' box, and always drawn or listed in the note.
TEST(DrawingLabels, EachGroupOfStiffenersAndSpansCarriesItsScantling) {
  const QString stiffeners = "18 × A 300.0×13.0 90.0×17.0";
  const QString spans = "10 × A 350.0×12.0 100.0×17.0";
  const struct {
    Long word;
    LabelPolicy policy;
    int least;  // labels of each group, drawn or in the note
    int most;
  } cases[] = {{kEverything, LabelPolicy::KeepAll, 0, 0},
               {kEverything | kScantlings, LabelPolicy::KeepAll, 1, 1},
               {kScantlings, LabelPolicy::KeepAll, 0, 0},
               {kEverything | kScantlings, LabelPolicy::GiveWay, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    const PlacedLabels placed = paintExample(c.word, c.policy);
    QString note;
    for (const PlacedLabel& label : placed) {
      if (label.rank == LabelRank::Note) note += label.text;
    }
    for (const QString& text : {stiffeners, spans}) {
      const int count = countOf(placed, text) + static_cast<int>(note.count(text));
      EXPECT_GE(count, c.least) << text.toStdString();
      EXPECT_LE(count, c.most) << text.toStdString();
    }
    EXPECT_EQ(countOf(placed, "Plane bulkhead holds 3/4"), 1);
  }
}

// The name of a bulkhead standing inside the current one's strake: drawn
// after the strake, its box shows the name's colour and no strake fill.
TEST(DrawingLabels, ANameStaysOverTheCurrentBulkheadsStrakes) {
  Arrangement arrangement;
  arrangement.Bulkheads.append(
      bulkheadThrough({straightNode(3, 2), straightNode(7, 2), straightNode(7, 4),
                       straightNode(3, 4), straightNode(3, 2)},
                      "Hopper tank 3"));
  Bulkhead& outer = arrangement.Bulkheads.append(rectangle(true, "Outer"));
  outer.StrakeBands.redim(1);
  outer.StrakeBands.at(1).Strakes.append().Th = 12;
  arrangement = computed(arrangement);
  arrangement.CurBulkhead = 2;
  const ShipData ship;
  DisplayOptions options;
  options.DisplayWord = kStrakes;
  QImage image(481, 401, QImage::Format_RGB32);
  QPainter painter(&image);
  const PlacedLabels placed =
      paintArrangement(painter, QRectF(0, 0, 480, 400), {-1, -1, 12, 10},
                       {arrangement, nullptr, ship, options, defaultDisplayConfig()}, 1);
  painter.end();
  const auto name = std::find_if(placed.begin(), placed.end(),
                                 [](const PlacedLabel& l) { return l.text == "Hopper tank 3"; });
  ASSERT_NE(name, placed.end());
  int text = 0;
  int fill = 0;
  const QRect box = name->box.toRect().adjusted(1, 1, -1, -1);
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      text += pixel.lightness() < 100 ? 1 : 0;
      fill += pixel == QColor(235, 240, 247) ? 1 : 0;
    }
  }
  EXPECT_GT(text, 20);
  EXPECT_EQ(fill, 0);
}

}  // namespace
}  // namespace korain::testing
