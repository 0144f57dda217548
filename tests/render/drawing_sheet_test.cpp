// The example's drawings on sheets: every label on its halo with nothing else
// inside its box, labels giving way on screen but kept on paper, the title
// block beside the section and never on it, the scale bar's round lengths.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_sheet.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "example_scene.h"
#include "scale_bar.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr double kScreenDpi = 96;

PlacedLabels paint(const ExampleScene& example, QImage& image, SheetRequest request = {}) {
  image.fill(Qt::black);
  QPainter painter(&image);
  return paintDrawingSheet(painter, QRectF(image.rect()), kScreenDpi, request, example.scene());
}

// Whether the colour lies between the halo's white and the label's colour, as
// the anti-aliased text blends them.
bool blendOf(QColor pixel, QColor text) {
  const auto channel = [](int p, int t) { return t == 255 ? 1.0 : (255.0 - p) / (255.0 - t); };
  const double r = channel(pixel.red(), text.red());
  const double g = channel(pixel.green(), text.green());
  const double b = channel(pixel.blue(), text.blue());
  const double lo = std::min({r, g, b});
  const double hi = std::max({r, g, b});
  return lo >= -0.02 && hi <= 1.02 && hi - lo <= 0.12;
}

// Pixels of a label's box that are neither halo nor text: a line crossing it.
int foreignPixels(const QImage& image, const PlacedLabel& label) {
  // A pixel in from the box's edge, where its own anti-aliasing ends.
  const QRect box = label.box.toRect().adjusted(1, 1, -1, -1).intersected(image.rect());
  int foreign = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      foreign += blendOf(image.pixelColor(x, y), label.colour) ? 0 : 1;
    }
  }
  return foreign;
}

TEST(DrawingLabels, InsideEveryLabelOnlyItsTextAndHaloAppear) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kEverything);
    for (const auto& [size, policy] : {std::pair{QSize(1600, 1000), LabelPolicy::KeepAll},
                                       std::pair{QSize(700, 450), LabelPolicy::GiveWay}}) {
      QImage image(size, QImage::Format_RGB32);
      const PlacedLabels labels = paint(example, image, {.labels = policy});
      ASSERT_GT(labels.size(), 10U);
      for (const PlacedLabel& label : labels) {
        EXPECT_EQ(foreignPixels(image, label), 0) << "block " << block << ", " << size.width()
                                                  << " wide: '" << label.text.toStdString() << "'";
      }
    }
  }
}

int countOf(const PlacedLabels& labels, LabelRank rank) {
  return static_cast<int>(std::count_if(labels.begin(), labels.end(),
                                        [&](const PlacedLabel& l) { return l.rank == rank; }));
}

// On a small picture the labels without room go into the note, node numbers
// before thickness labels: on screen it counts every label not drawn; a
// label never leaves the picture.
TEST(DrawingLabels, OnAPictureTooSmallTheNoteCountsWhatFindsNoRoom) {
  const ExampleScene example(1, kEverything & ~display_bit::kAxis);
  const int nodes = example.arrangement.Bulkheads.at(1).Nodes.count();
  QImage image(260, 180, QImage::Format_RGB32);
  const PlacedLabels shown = paint(example, image, {.labels = LabelPolicy::GiveWay});
  const int drawn = static_cast<int>(shown.size()) - countOf(shown, LabelRank::Note);
  EXPECT_LT(countOf(shown, LabelRank::NodeNumber) + countOf(shown, LabelRank::Strake), nodes + 12);
  // Every label of the drawing: its name, node numbers and strake texts.
  const QString note = QStringLiteral("Labels without room: %1, zoom in to read them");
  ASSERT_EQ(countOf(shown, LabelRank::Note), 1);
  EXPECT_EQ(shown.back().text, note.arg(1 + nodes + 12 - drawn));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_TRUE(QRectF(image.rect()).contains(shown[i].box)) << shown[i].text.toStdString();
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      EXPECT_FALSE(shown[i].box.intersects(shown[j].box))
          << shown[i].text.toStdString() << " and " << shown[j].text.toStdString();
    }
  }
  // The node numbers take what the thickness labels leave: shown or not, they
  // move no thickness label.
  const ExampleScene withoutNumbers(1,
                                    kEverything & ~display_bit::kNodeNumbers & ~display_bit::kAxis);
  const PlacedLabels thicknessOnly = paint(withoutNumbers, image, {.labels = LabelPolicy::GiveWay});
  EXPECT_EQ(countOf(shown, LabelRank::Strake), countOf(thicknessOnly, LabelRank::Strake));
}

// The title block stands where the section and its labels are not, inside
// the sheet, clear of the scale bar; a half-section has its centre line near
// the left edge.
TEST(DrawingSheet, TheTitleBlockNeverCoversTheSection) {
  const ExampleScene example(1, kEverything);
  const WorldWindow full = fullExtent(example.arrangement, &*example.section, example.ship);
  TitleBlock block;
  block.Lines[2] = "MV KORAIN SPIRIT";
  for (const QSize size : {QSize(1600, 1000), QSize(500, 350), QSize(400, 800), QSize(300, 200)}) {
    for (const double ratio : {0.0, 200.0}) {
      const QRectF sheet(QPointF(0, 0), size);
      const SheetLayout layout = layOutSheet(
          sheet, kScreenDpi, {.titleBlock = block, .scaleRatio = ratio}, example.scene());
      SCOPED_TRACE(::testing::Message() << size.width() << "x" << size.height() << ", 1:" << ratio);
      ASSERT_TRUE(layout.titleBlock);
      const QRectF section = worldToDevice(layout.window, layout.drawing)
                                 .mapRect(QRectF(full.left, full.bottom, full.width, full.height));
      EXPECT_FALSE(layout.titleBlock->intersects(section.intersected(layout.drawing)));
      EXPECT_TRUE(sheet.contains(*layout.titleBlock));
      EXPECT_FALSE(layout.titleBlock->intersects(layout.scaleStrip));
      EXPECT_FALSE(layout.scaleStrip.isEmpty());
      EXPECT_GE(layout.scaleStrip.top(), layout.drawing.bottom() - 1e-9);
      if (ratio == 0) {
        const double centreLine =
            worldToDevice(layout.window, layout.drawing).map(QPointF(0, 0)).x();
        EXPECT_LT(centreLine - layout.drawing.left(), layout.drawing.width() * 0.1);
      }
    }
  }
}

TEST(ScaleBar, TakesTheLongestRoundLengthThatFits) {
  const struct {
    double pixelsPerMetre, width, metres;
  } cases[] = {{10, 120, 10},  {10, 99, 5},      {10, 45, 2}, {100, 150, 1},
               {3, 1000, 200}, {1000, 50, 0.05}, {0, 100, 0}, {10, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(scaleBarLength(c.pixelsPerMetre, c.width), c.metres)
        << c.pixelsPerMetre << " px/m, " << c.width << " px";
  }
}

}  // namespace
}  // namespace korain::testing
