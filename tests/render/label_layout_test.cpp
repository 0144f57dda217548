// Where the labels go: none over another on the example's drawing, on screen
// or on an A3 sheet; a strake's text on its strake and off the stringers; a
// label with no free place drawn where it is least covered, or left out.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_layout.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "drawing_sheet.h"
#include "example_scene.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr Long kPlan = kEverything | display_bit::kScantlings;

struct Sheet {
  QSize size;
  double dpi;
  double scaleRatio;
  LabelPolicy policy;
  int strakes;  // strake texts drawn: all where every label is kept
};

// The default window, and A3 landscape at 100 dpi and 1:100.
const Sheet kSheets[] = {{{1600, 1000}, 96, 0, LabelPolicy::GiveWay, 10},
                         {{1600, 1000}, 96, 0, LabelPolicy::KeepAll, 12},
                         {{1654, 1169}, 100, 100, LabelPolicy::KeepAll, 12}};

struct Painted {
  PlacedLabels labels;
  QTransform toDevice;
};

Painted paintSheet(const ExampleScene& example, const Sheet& sheet) {
  QImage image(sheet.size, QImage::Format_RGB32);
  QPainter painter(&image);
  const SheetRequest request{.scaleRatio = sheet.scaleRatio, .labels = sheet.policy};
  const SheetLayout layout =
      layOutSheet(QRectF(image.rect()), sheet.dpi, request, example.scene());
  return {paintDrawingSheet(painter, QRectF(image.rect()), sheet.dpi, request, example.scene()),
          worldToDevice(layout.window, layout.drawing)};
}

// No label covers another; every strake text stands between the bulkhead's
// highest and lowest strake points and crosses no stringer's line.
TEST(LabelLayout, OnTheExampleNoLabelCoversAnotherAndAStrakesTextStaysOffTheStringers) {
  const ExampleScene example(1, kPlan);
  const Bulkhead& bulkhead = example.arrangement.Bulkheads.at(example.arrangement.CurBulkhead);
  for (const Sheet& sheet : kSheets) {
    SCOPED_TRACE(::testing::Message() << sheet.size.width() << " wide at 1:" << sheet.scaleRatio
                                       << (sheet.policy == LabelPolicy::KeepAll ? ", all kept" : ""));
    const Painted painted = paintSheet(example, sheet);
    const PlacedLabels& placed = painted.labels;
    ASSERT_GT(placed.size(), 40U);
    for (std::size_t i = 0; i < placed.size(); ++i) {
      for (std::size_t j = i + 1; j < placed.size(); ++j) {
        EXPECT_FALSE(placed[i].box.intersects(placed[j].box))
            << placed[i].text.toStdString() << " and " << placed[j].text.toStdString();
      }
    }
    int strakes = 0;
    for (const PlacedLabel& label : placed) {
      if (label.rank != LabelRank::Strake) continue;
      ++strakes;
      for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
        if (member.HV != 0) continue;
        const double y = painted.toDevice.map(QPointF(0, member.Position)).y();
        EXPECT_FALSE(label.box.top() < y && y < label.box.bottom())
            << label.text.toStdString() << " on the stringer at " << member.Position;
      }
    }
    EXPECT_EQ(strakes, sheet.strakes);
  }
}

// A stiffener's scantling whose span is taken goes to its other span, within
// it, before it reaches past the ends of either.
TEST(LabelLayout, AScantlingMovesToAnotherSpanBeforeCrossingAnEnd) {
  QImage image(400, 400, QImage::Format_RGB32);
  QPainter painter(&image);
  LabelLayout layout(QRectF(image.rect()), LabelPolicy::GiveWay, 1);
  const QLineF lower(100, 390, 100, 210);
  const QLineF upper(100, 190, 100, 10);
  layout.reserve(QRectF(0, 200, 400, 200));
  layout.addAlong("A 300.0x13.0", QFont(), Qt::black, lower, 2, LabelRank::Scantling, {upper});
  const PlacedLabels placed = layout.paint(painter, Qt::white);
  ASSERT_EQ(placed.size(), 1U);
  EXPECT_GE(placed.front().box.top(), upper.y2());
  EXPECT_LE(placed.front().box.bottom(), upper.y1());
}

// A picture with no room left: kept labels take their least covered place,
// on screen they give way, and a name is always drawn.
TEST(LabelLayout, ALabelWithNoFreePlaceFallsBackByPolicy) {
  const struct {
    LabelPolicy policy;
    LabelRank rank;
    std::size_t drawn;
  } cases[] = {{LabelPolicy::KeepAll, LabelRank::Strake, 1},
               {LabelPolicy::KeepAll, LabelRank::Bracket, 0},
               {LabelPolicy::GiveWay, LabelRank::Strake, 0},
               {LabelPolicy::GiveWay, LabelRank::BulkheadName, 1}};
  for (const auto& c : cases) {
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    LabelLayout layout(QRectF(image.rect()), c.policy, 1);
    // All of it taken, its lower part twice.
    layout.reserve(QRectF(0, 0, 200, 100));
    layout.reserve(QRectF(0, 55, 200, 45));
    layout.addCentred("12.5", QFont(), Qt::black, QPointF(100, 60), 30, c.rank);
    const PlacedLabels placed = layout.paint(painter, Qt::white);
    ASSERT_EQ(placed.size(), c.drawn) << static_cast<int>(c.rank);
    if (c.drawn == 1 && c.rank == LabelRank::Strake) {
      // Its least covered place: moved up, off the part taken twice.
      EXPECT_LT(placed.front().box.center().y(), 60);
    }
  }
}

}  // namespace
}  // namespace korain::testing
