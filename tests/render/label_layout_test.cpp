// Where the labels go: along another span before past an end, never on a
// line, a group's extent marked, a label with no free place in the note.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_layout.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "label_note.h"

namespace korain::testing {
namespace {

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
      {LabelPolicy::KeepAll, LabelRank::Bracket, "12.5"},
      {LabelPolicy::GiveWay, LabelRank::Strake, "Labels without room: 1, zoom in to read them"},
      {LabelPolicy::CountForTables, LabelRank::Strake, "Labels without room: 1, see the tables"},
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
    SCOPED_TRACE(static_cast<int>(c.rank));
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ(placed.back().rank == LabelRank::Note ? placed.back().text : "", c.note);
    // Only the note, in the free strip and clear of the line.
    for (const PlacedLabel& line : placed) {
      if (*c.note == 0) break;
      EXPECT_EQ(line.rank, LabelRank::Note);
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
