// Sheets by geometry: paper from A4 to A0 at a range of scales, and the
// report's bulkhead pictures, the imported arrangement's too.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPicture>

#include "drawing_print.h"
#include "example_scene.h"
#include "import/section_import.h"
#include "report_pictures.h"
#include "section/section_reader.h"
#include "view/print_scale.h"
#include "view/section_outline.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr double kDpi = 150;
constexpr double kPixelsPerMetreAt1 = kDpi / 0.0254;
constexpr double kMargin = 5 / 25.4 * kDpi;  // 5 mm
const TitleBlock kTitleBlock{.Lines = {"Korain", "Date", "MV KORAIN SPIRIT", "", "Bulk carrier",
                                       "Section at X = 88 m", "Bulkhead", "engineer yard"},
                             .Scale = {}};

QRectF sheetOf(QPageSize::PageSizeId paper) {
  return {QPointF(),
          drawingPageLayout(QPageSize(paper)).paintRectPixels(static_cast<int>(kDpi)).size()};
}
SheetRequest atRatio(double ratio) {
  return {.titleBlock = kTitleBlock, .scaleRatio = ratio, .marginPoints = kMargin * 72 / kDpi};
}

// The device contour of the bulkhead, and whether a label's inside meets it.
QPolygonF contourOf(const Bulkhead& bulkhead, const SheetLayout& layout) {
  QPolygonF contour;
  for (const PlanePoint& p : nodePath(bulkhead.Nodes)) contour << QPointF(p.y, p.z);
  return worldToDevice(layout.window, layout.drawing).map(contour);
}
bool meets(const QPolygonF& contour, const QRectF& box) {
  for (qsizetype k = 1; k < contour.size(); ++k) {
    for (int i = 0; i <= 100; ++i) {
      const QPointF p = contour[k - 1] + (contour[k] - contour[k - 1]) * (i / 100.0);
      if (box.adjusted(0.5, 0.5, -0.5, -0.5).contains(p)) return true;
    }
  }
  return false;
}

TEST(SheetLayout, TheDrawingStandsCentredInsideTheMarginsItsNameClearOfItsLines) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kEverything);
    const WorldWindow full = fullExtent(example.arrangement, &*example.section, example.ship);
    for (const auto paper :
         {QPageSize::A4, QPageSize::A3, QPageSize::A2, QPageSize::A1, QPageSize::A0}) {
      const QRectF sheet = sheetOf(paper);
      const QRectF inside = sheet.adjusted(kMargin, kMargin, -kMargin, -kMargin);
      for (const double ratio : {20.0, 50.0, 100.0, 150.0, 500.0}) {
        SCOPED_TRACE(::testing::Message() << block << " " << paper << " 1:" << ratio);
        QPicture picture;
        QPainter painter(&picture);
        const SheetLayout layout = layOutSheet(sheet, kDpi, atRatio(ratio), example.scene());
        const PlacedLabels labels =
            paintDrawingSheet(painter, sheet, kDpi, atRatio(ratio), example.scene());
        const QRectF section =
            worldToDevice(layout.window, layout.drawing)
                .mapRect(QRectF(full.left, full.bottom, full.width, full.height));
        EXPECT_NEAR(section.width(), full.width / ratio * kPixelsPerMetreAt1, 0.5);
        EXPECT_TRUE(inside.contains(layout.drawing));
        EXPECT_TRUE(section.height() <= inside.height() || !layout.fits);
        if (!layout.fits) continue;
        EXPECT_NEAR(section.left() - layout.drawing.left(),
                    layout.drawing.right() - section.right(), 1);
        double top = section.top();
        for (const PlacedLabel& label : labels) {
          if (label.rank != LabelRank::BulkheadName) continue;
          top = std::min(top, label.box.top());
          EXPECT_FALSE(meets(contourOf(example.arrangement.Bulkheads.at(1), layout), label.box));
        }
        // The name and the section, with the axis values' 16 points below it.
        EXPECT_NEAR(top - layout.drawing.top(), layout.drawing.bottom() - section.bottom(),
                    16 * kDpi / 72 + 1);
      }
      // The largest standard scale that fits: no larger than the sheet inside its margins
      // allows, no smaller than one at which the section takes half of it; the next larger
      // one does not fit.
      const double least = std::max(full.width / inside.width(), full.height / inside.height());
      const std::optional<double> largest =
          largestRatioThatFits(sheet, kDpi, atRatio(1), example.scene());
      ASSERT_TRUE(largest);
      EXPECT_GE(*largest, least * kPixelsPerMetreAt1);
      EXPECT_LE(*largest, standardRatio(2 * least * kPixelsPerMetreAt1));
      const std::vector<double> ratios = standardRatios();
      const double next = *std::prev(std::ranges::find(ratios, *largest));
      EXPECT_FALSE(layOutSheet(sheet, kDpi, atRatio(next), example.scene()).fits);
    }
  }
}

// A bulkhead's picture as the report paints it, at its size there: 9 by 8 cm.
PaintedSheet pictureOf(const ExampleScene& example, int bulkhead, QImage& image) {
  image.fill(Qt::white);
  QPainter painter(&image);
  return paintBulkheadPicture(painter, example.scene(), bulkhead, image.rect());
}

TEST(ReportPictures, EachBulkheadIsFramedOnItselfBeforeTheHullItsLabelsApart) {
  std::vector<ExampleScene> examples(2, ExampleScene(1));
  examples.emplace_back(2);
  Section midship;
  ASSERT_TRUE(
      readSection(KORAIN_EXAMPLES "/bulk_carrier.ko2", 3, midship, Arrangements::Refuse).found());
  Arrangement imported;
  ASSERT_TRUE(importSection(midship, imported, {}).imported);
  imported.X = midship.X;
  examples[0].arrangement = computed(imported);
  QImage image(340, 300, QImage::Format_RGB32);
  for (const ExampleScene& example : examples) {
    for (int i = 1; i <= example.arrangement.Bulkheads.count(); ++i) {
      SCOPED_TRACE(example.arrangement.Bulkheads.at(i).Name);
      const PaintedSheet painted = pictureOf(example, i, image);
      const QPolygonF contour = contourOf(example.arrangement.Bulkheads.at(i), painted.layout);
      const QRectF own = contour.boundingRect();
      const QRectF& drawing = painted.layout.drawing;
      EXPECT_TRUE(drawing.contains(own));
      EXPECT_TRUE(own.width() > 0.6 * drawing.width() || own.height() > 0.6 * drawing.height());
      for (auto a = painted.labels.begin(); a != painted.labels.end(); ++a) {
        for (auto b = std::next(a); b != painted.labels.end(); ++b) {
          EXPECT_FALSE(a->box.intersects(b->box))
              << a->text.toStdString() << " & " << b->text.toStdString();
        }
        EXPECT_FALSE(a->rank == LabelRank::BulkheadName && meets(contour, a->box));
      }
    }
  }
  ExampleScene frameOnly(1);
  frameOnly.section.reset();
  pictureOf(examples[1], 1, image);
  QImage withoutHull(image.size(), image.format());
  pictureOf(frameOnly, 1, withoutHull);
  EXPECT_NE(image, withoutHull);
}

}  // namespace
}  // namespace korain::testing
