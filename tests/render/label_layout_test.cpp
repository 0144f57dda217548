// Where the labels go: none over another on the example's drawing, on screen
// or on an A3 sheet; a strake's text on its strake and off the stringers; no
// label on a line; a label with no free place in the note, never lost.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_layout.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "drawing_sheet.h"
#include "example_scene.h"
#include "label_note.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr Long kPlan = kEverything | display_bit::kScantlings;

struct Sheet {
  QSize size;
  double dpi;
  double scaleRatio;
  LabelPolicy policy;
};

// The default window, and A3 landscape at 100 dpi and 1:100.
const Sheet kSheets[] = {{{1600, 1000}, 96, 0, LabelPolicy::GiveWay},
                         {{1600, 1000}, 96, 0, LabelPolicy::KeepAll},
                         {{1654, 1169}, 100, 100, LabelPolicy::KeepAll}};

struct Painted {
  PlacedLabels labels;
  QTransform toDevice;
};

Painted paintSheet(const ExampleScene& example, const Sheet& sheet) {
  QImage image(sheet.size, QImage::Format_RGB32);
  QPainter painter(&image);
  const SheetRequest request{.scaleRatio = sheet.scaleRatio, .labels = sheet.policy};
  const SheetLayout layout = layOutSheet(QRectF(image.rect()), sheet.dpi, request, example.scene());
  return {paintDrawingSheet(painter, QRectF(image.rect()), sheet.dpi, request, example.scene()),
          worldToDevice(layout.window, layout.drawing)};
}

// No label covers another; every strake text is drawn and crosses no
// stringer's line.
TEST(LabelLayout, OnTheExampleNoLabelCoversAnotherAndAStrakesTextStaysOffTheStringers) {
  const ExampleScene example(1, kPlan);
  const Bulkhead& bulkhead = example.arrangement.Bulkheads.at(example.arrangement.CurBulkhead);
  for (const Sheet& sheet : kSheets) {
    SCOPED_TRACE(::testing::Message()
                 << sheet.size.width() << " wide at 1:" << sheet.scaleRatio
                 << (sheet.policy == LabelPolicy::KeepAll ? ", all kept" : ""));
    const Painted painted = paintSheet(example, sheet);
    const PlacedLabels& placed = painted.labels;
    ASSERT_GT(placed.size(), 25U);
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
    // Each of the 12 strakes' texts finds a place, between the stiffeners or
    // led out beside the bulkhead.
    EXPECT_EQ(strakes, 12);
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

// A picture with no room left: the label goes into the note, listed on
// paper, counted on screen; a name is always drawn.
TEST(LabelLayout, ALabelWithNoFreePlaceGoesIntoTheNote) {
  const struct {
    LabelPolicy policy;
    LabelRank rank;
    const char* note;  // the note's last line, empty for none
  } cases[] = {
      {LabelPolicy::KeepAll, LabelRank::Strake, "12.5"},
      {LabelPolicy::KeepAll, LabelRank::Bracket, "12.5"},
      {LabelPolicy::GiveWay, LabelRank::Strake, "Labels without room: 1, zoom in to read them"},
      {LabelPolicy::GiveWay, LabelRank::BulkheadName, ""}};
  for (const auto& c : cases) {
    QImage image(600, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    LabelLayout layout(QRectF(image.rect()), c.policy, 1);
    // All of it taken but for a strip along the bottom, crossed by a line.
    layout.reserve(QRectF(0, 0, 600, 50));
    layout.avoid(QLineF(300, 0, 300, 100));
    layout.addCentred("12.5", QFont(), Qt::black, QPointF(300, 20), 10, c.rank);
    const PlacedLabels placed = layout.paint(painter, Qt::white);
    QStringList note;
    for (const PlacedLabel& label : placed) {
      if (label.rank == LabelRank::Note) note.push_back(label.text);
    }
    SCOPED_TRACE(static_cast<int>(c.rank));
    if (*c.note == 0) {
      EXPECT_TRUE(note.isEmpty());
      ASSERT_EQ(placed.size(), 1U);
      continue;
    }
    ASSERT_FALSE(note.isEmpty());
    EXPECT_EQ(note.back(), c.note);
    EXPECT_EQ(placed.size(), static_cast<std::size_t>(note.size()));
    // The note stands in the free strip, clear of the line.
    for (const PlacedLabel& line : placed) {
      EXPECT_GE(line.box.top(), 50);
      EXPECT_FALSE(line.box.left() < 300 && 300 < line.box.right()) << line.text.toStdString();
    }
  }
}

TEST(LabelNote, ListsEachTextOnceWithItsCountWithinTheWidth) {
  const QFont font;
  const QStringList homeless{"A 300.0×13.0", "12.5", "A 300.0×13.0", "7", "A 300.0×13.0"};
  EXPECT_TRUE(labelNoteLines({}, LabelPolicy::KeepAll, font, 500).isEmpty());
  EXPECT_EQ(labelNoteLines(homeless, LabelPolicy::KeepAll, font, 1000),
            (QStringList{"Labels without room:", "A 300.0×13.0 (3); 12.5; 7"}));
  EXPECT_EQ(labelNoteLines(homeless, LabelPolicy::GiveWay, font, 1000),
            (QStringList{"Labels without room: 5, zoom in to read them"}));
  // Narrow: one text a line, each but the last ending with its separator.
  EXPECT_EQ(labelNoteLines(homeless, LabelPolicy::KeepAll, font, 1),
            (QStringList{"Labels without room:", "A 300.0×13.0 (3);", "12.5;", "7"}));
}

// A line through a label's first places moves it aside; a name that must
// stand on a line leaves the line whole under its halo.
TEST(LabelLayout, LinesStayWhole) {
  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  LabelLayout layout(QRectF(image.rect()), LabelPolicy::KeepAll, 1);
  const QLineF line(150, 0, 150, 200);
  painter.setPen(QPen(Qt::red, 1));
  painter.drawLine(line);
  layout.avoid(line);
  layout.addCentred("12.5", QFont(), Qt::black, QPointF(150, 100), 0, LabelRank::Strake,
                    {QPointF(150, 100), QPointF(100, 100)});
  // Every place of the name is on the line.
  layout.add("Name", QFont(), Qt::black, QPointF(150, 40), -30, LabelRank::BulkheadName);
  const PlacedLabels placed = layout.paint(painter, Qt::white);
  painter.end();
  ASSERT_EQ(placed.size(), 2U);
  const PlacedLabel& strake = placed[placed[0].rank == LabelRank::Strake ? 0 : 1];
  EXPECT_FALSE(strake.box.left() <= 150 && 150 <= strake.box.right());
  EXPECT_LT(strake.box.center().x(), 150);
  // The line or the text over it, never the halo's white.
  for (int y = 0; y < 200; y += 2) {
    EXPECT_LT(image.pixelColor(150, y).green(), 128) << "the line at y " << y;
  }
}

// A label for a group of stiffeners marks across them the group's extent,
// with a tick on each; a label with no room along its lines (cut short by
// stringers) stands level beyond them, its mark leading to it.
TEST(LabelLayout, AGroupsLabelMarksItsExtent) {
  QImage image(600, 400, QImage::Format_RGB32);
  QPainter painter(&image);
  const std::vector<QLineF> group{{100, 350, 100, 50}, {130, 350, 130, 50}, {160, 350, 160, 50}};
  for (const bool cut : {false, true}) {
    LabelLayout layout(QRectF(image.rect()), LabelPolicy::KeepAll, 1);
    for (const QLineF& line : group) layout.avoid(line);
    for (double y = 90; cut && y < 350; y += 40) layout.avoid(QLineF(90, y, 170, y));
    layout.addAlong("3 × A 300.0×13.0", QFont(), Qt::black, group[1], 3, LabelRank::Scantling,
                    {group[0], group[2]}, group);
    const PlacedLabels placed = layout.paint(painter, Qt::white);
    ASSERT_EQ(placed.size(), 1U) << cut;
    const PlacedLabel& label = placed.front();
    ASSERT_EQ(label.marks.size(), 4U);
    const QLineF mark = label.marks.front();
    EXPECT_EQ(mark.y1(), mark.y2());
    EXPECT_LE(std::min(mark.x1(), mark.x2()), 100);
    if (!cut) {
      // Upright between the lines, the mark from the first to the last.
      EXPECT_GT(label.box.height(), label.box.width());
      EXPECT_GE(std::max(mark.x1(), mark.x2()), 160);
    } else {
      // Level beyond the last line, the mark reaching into its box.
      EXPECT_GT(label.box.width(), label.box.height());
      EXPECT_GT(label.box.left(), 160);
      EXPECT_TRUE(label.box.contains(QPointF(std::max(mark.x1(), mark.x2()), mark.y1())));
    }
  }
}

}  // namespace
}  // namespace korain::testing
