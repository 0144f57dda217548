// The report's bulkhead pictures, for both arrangements of the example and one
// imported from its midship section: each bulkhead framed on its own contour
// before the hull section, its labels apart and its name clear of its lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "example_scene.h"
#include "import/section_import.h"
#include "section/section_reader.h"
#include "view/section_outline.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr int kMidshipSection = 3;

// The example with the arrangement built from the compartments of its
// midship section in place of block 1's.
ExampleScene importedExample() {
  ExampleScene example(1);
  Section section;
  EXPECT_TRUE(readSection(KORAIN_EXAMPLES "/bulk_carrier.ko2", kMidshipSection, section,
                          Arrangements::Refuse)
                  .found());
  Arrangement imported;
  EXPECT_TRUE(importSection(section, imported, {}).imported);
  imported.X = section.X;
  example.arrangement = computed(imported);
  example.section = section;
  return example;
}

// A picture of about the size the report gives it: 8.5 by 7.5 cm.
struct Picture {
  QImage image{340, 300, QImage::Format_RGB32};
  PaintedSheet painted;

  Picture(const DrawingScene& scene, int bulkhead) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painted = paintBulkheadPicture(painter, scene, bulkhead, QRectF(10, 10, 320, 280));
  }
};

// Whether the segment from a to b passes through the inside of the box.
bool crosses(QPointF a, QPointF b, const QRectF& box) {
  constexpr int kSteps = 200;
  for (int i = 0; i <= kSteps; ++i) {
    if (box.adjusted(0.5, 0.5, -0.5, -0.5)
            .contains(a + (b - a) * (static_cast<double>(i) / kSteps))) {
      return true;
    }
  }
  return false;
}

TEST(ReportPictures, EachBulkheadIsFramedOnItselfItsLabelsApartItsNameClearOfItsLines) {
  std::vector<ExampleScene> examples;
  examples.emplace_back(1);
  examples.emplace_back(2);
  examples.push_back(importedExample());
  for (const ExampleScene& example : examples) {
    const List<Bulkhead>& bulkheads = example.arrangement.Bulkheads;
    ASSERT_GT(bulkheads.count(), 0);
    for (int i = 1; i <= bulkheads.count(); ++i) {
      const Bulkhead& bulkhead = bulkheads.at(i);
      SCOPED_TRACE(bulkhead.Name);
      const Picture picture(example.scene(), i);
      const SheetLayout& layout = picture.painted.layout;
      const QTransform toDevice = worldToDevice(layout.window, layout.drawing);
      QPolygonF contour;
      for (const PlanePoint& p : nodePath(bulkhead.Nodes))
        contour << toDevice.map(QPointF(p.y, p.z));
      const QRectF own = contour.boundingRect();
      EXPECT_TRUE(layout.drawing.contains(own));
      EXPECT_TRUE(own.width() > 0.6 * layout.drawing.width() ||
                  own.height() > 0.6 * layout.drawing.height());
      const PlacedLabels& labels = picture.painted.labels;
      int names = 0;
      for (std::size_t a = 0; a < labels.size(); ++a) {
        EXPECT_TRUE(layout.drawing.contains(labels[a].box)) << labels[a].text.toStdString();
        for (std::size_t b = a + 1; b < labels.size(); ++b) {
          EXPECT_FALSE(labels[a].box.intersects(labels[b].box))
              << labels[a].text.toStdString() << " and " << labels[b].text.toStdString();
        }
        if (labels[a].rank != LabelRank::BulkheadName) continue;
        ++names;
        EXPECT_EQ(labels[a].text.toStdString(), bulkhead.Name);
        for (qsizetype k = 1; k < contour.size(); ++k) {
          EXPECT_FALSE(crosses(contour[k - 1], contour[k], labels[a].box)) << "segment " << k;
        }
      }
      EXPECT_EQ(names, 1);
    }
  }
}

// The hull section stands behind the bulkhead, as on the exported drawing.
TEST(ReportPictures, TheHullSectionIsDrawnBehind) {
  const ExampleScene example(1);
  ExampleScene frameOnly(1);
  frameOnly.section.reset();
  EXPECT_NE(Picture(example.scene(), 1).image, Picture(frameOnly.scene(), 1).image);
}

}  // namespace
}  // namespace korain::testing
