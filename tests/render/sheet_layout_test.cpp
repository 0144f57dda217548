// Paper sheets from A4 to A0 at a range of scales: the drawing at its scale,
// centred inside the sheet's margins with its name clear of its contour, or
// marked as not fitting; the largest standard scale that fits.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPicture>
#include <algorithm>
#include <vector>

#include "drawing_print.h"
#include "drawing_sheet.h"
#include "example_scene.h"
#include "view/print_scale.h"
#include "view/section_outline.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr double kDpi = 150;
constexpr double kMetresPerInch = 0.0254;
constexpr double kMarginPoints = 5 * 72 / 25.4;  // 5 mm
constexpr double kLabelRoomPoints = 16;          // what the axis values may take below

const TitleBlock kTitleBlock{
    .Lines = {"Korain version 1.0", "Date : 06/12/2026", "MV KORAIN SPIRIT", "",
              "Bulk carrier 58 000 t dwt", "Section at X = 88 m", "Bulkhead Arrangement",
              "engineer yard"},
    .Scale = {}};

const QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::A3, QPageSize::A2, QPageSize::A1,
                                         QPageSize::A0};

// The printable area of the paper, landscape, in pixels at kDpi.
QRectF sheetOf(QPageSize::PageSizeId paper) {
  return QRectF(QPointF(0, 0),
                drawingPageLayout(QPageSize(paper)).paintRectPixels(static_cast<int>(kDpi)).size());
}

SheetRequest atRatio(double ratio) {
  return {.titleBlock = kTitleBlock,
          .scaleRatio = ratio,
          .labels = LabelPolicy::KeepAll,
          .marginPoints = kMarginPoints};
}

double metresToPixels(double metres, double ratio) {
  return metres / ratio / kMetresPerInch * kDpi;
}

// Whether the segment from a to b passes through the inside of the box.
bool crosses(QPointF a, QPointF b, const QRectF& box) {
  constexpr int kSteps = 200;
  for (int i = 0; i <= kSteps; ++i) {
    const QPointF p = a + (b - a) * (static_cast<double>(i) / kSteps);
    if (box.adjusted(0.5, 0.5, -0.5, -0.5).contains(p)) return true;
  }
  return false;
}

struct Painted {
  SheetLayout layout;
  PlacedLabels labels;
  QRectF section;  // the full extent on the sheet
  QTransform toDevice;
};

Painted paintAt(const ExampleScene& example, const QRectF& sheet, double ratio) {
  const SheetRequest request = atRatio(ratio);
  QPicture picture;
  QPainter painter(&picture);
  Painted painted{.layout = layOutSheet(sheet, kDpi, request, example.scene()),
                  .labels = paintDrawingSheet(painter, sheet, kDpi, request, example.scene()),
                  .section = {},
                  .toDevice = {}};
  painted.toDevice = worldToDevice(painted.layout.window, painted.layout.drawing);
  const WorldWindow full = fullExtent(example.arrangement, &*example.section, example.ship);
  painted.section =
      painted.toDevice.mapRect(QRectF(full.left, full.bottom, full.width, full.height));
  return painted;
}

// At every paper and scale the section is drawn at its scale inside the
// margins; where it fits, centred with its labels, each bulkhead's name above
// its contour and crossing none of its lines; where the section alone is
// larger than the sheet inside its margins, it is said not to fit.
TEST(SheetLayout, TheDrawingStandsCentredInsideTheMarginsItsNameClearOfItsLines) {
  const double room = kLabelRoomPoints * kDpi / 72;
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kEverything);
    const Bulkhead& bulkhead = example.arrangement.Bulkheads.at(1);
    for (const QPageSize::PageSizeId paper : kPapers) {
      const QRectF sheet = sheetOf(paper);
      const double margin = kMarginPoints * kDpi / 72;
      const QRectF inside = sheet.adjusted(margin, margin, -margin, -margin);
      for (const double ratio : {20.0, 50.0, 100.0, 150.0, 200.0, 500.0}) {
        SCOPED_TRACE(::testing::Message()
                     << "block " << block << ", " << QPageSize(paper).name().toStdString()
                     << ", 1:" << ratio);
        const Painted painted = paintAt(example, sheet, ratio);
        const QRectF& drawing = painted.layout.drawing;
        const WorldWindow full = fullExtent(example.arrangement, &*example.section, example.ship);
        EXPECT_NEAR(painted.section.width(), metresToPixels(full.width, ratio), 0.5);
        EXPECT_NEAR(painted.section.height(), metresToPixels(full.height, ratio), 0.5);
        EXPECT_TRUE(inside.contains(drawing));
        if (painted.section.width() > inside.width() ||
            painted.section.height() > inside.height()) {
          EXPECT_FALSE(painted.layout.fits);
        }
        if (!painted.layout.fits) continue;
        EXPECT_TRUE(drawing.contains(painted.section));
        EXPECT_NEAR(painted.section.left() - drawing.left(),
                    drawing.right() - painted.section.right(), 1);
        double top = painted.section.top();
        for (const PlacedLabel& label : painted.labels) {
          EXPECT_TRUE(drawing.contains(label.box)) << label.text.toStdString();
          if (label.rank != LabelRank::BulkheadName) continue;
          top = std::min(top, label.box.top());
          const Polyline contour = nodePath(bulkhead.Nodes);
          for (std::size_t i = 1; i < contour.size(); ++i) {
            const QPointF a = painted.toDevice.map(QPointF(contour[i - 1].y, contour[i - 1].z));
            const QPointF b = painted.toDevice.map(QPointF(contour[i].y, contour[i].z));
            EXPECT_FALSE(crosses(a, b, label.box)) << "segment " << i;
          }
        }
        // The name and the section with the axis values' room under it.
        EXPECT_NEAR(top - drawing.top(), drawing.bottom() - painted.section.bottom(), room + 1);
      }
    }
  }
}

// The largest standard scale that fits lies between what the sheet inside its
// margins could hold at most and the scale at which the section takes half
// of it each way; it fits, and the next larger scale does not.
TEST(SheetLayout, TheLargestStandardScaleThatFitsIsFoundForEveryPaper) {
  const std::vector<double> ratios = standardRatios();
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kEverything);
    const WorldWindow full = fullExtent(example.arrangement, &*example.section, example.ship);
    for (const QPageSize::PageSizeId paper : kPapers) {
      SCOPED_TRACE(::testing::Message()
                   << "block " << block << ", " << QPageSize(paper).name().toStdString());
      const QRectF sheet = sheetOf(paper);
      const double margin = kMarginPoints * kDpi / 72;
      const double widthMetres = (sheet.width() - 2 * margin) / kDpi * kMetresPerInch;
      const double heightMetres = (sheet.height() - 2 * margin) / kDpi * kMetresPerInch;
      const std::optional<double> largest =
          largestRatioThatFits(sheet, kDpi, atRatio(1), example.scene());
      ASSERT_TRUE(largest);
      EXPECT_GE(*largest, std::max(full.width / widthMetres, full.height / heightMetres));
      EXPECT_LE(*largest, standardRatio(std::max(2 * full.width / widthMetres,
                                                 2 * full.height / heightMetres)));
      EXPECT_TRUE(layOutSheet(sheet, kDpi, atRatio(*largest), example.scene()).fits);
      const auto at = std::ranges::find(ratios, *largest);
      ASSERT_NE(at, ratios.begin());
      EXPECT_FALSE(layOutSheet(sheet, kDpi, atRatio(*std::prev(at)), example.scene()).fits);
    }
  }
}

// A scale asked of the print that does not fit its paper is a misfit naming
// the largest that does; the normalised scale is printed at a scale that fits.
TEST(SheetLayout, APrintAtAScaleThatDoesNotFitIsAMisfit) {
  const ExampleScene example(1, kEverything);
  const QPageLayout a4 = drawingPageLayout(QPageSize(QPageSize::A4));
  const DrawingPrint asked{.titleBlock = kTitleBlock, .scale = PrintScale::Normalised, .ratio = 20};
  const std::optional<ScaleMisfit> misfit = scaleMisfit(a4, asked, example.scene());
  ASSERT_TRUE(misfit);
  EXPECT_EQ(misfit->ratio, 20);
  ASSERT_TRUE(misfit->largestThatFits);
  EXPECT_EQ(misfitText(*misfit, QPageSize(QPageSize::A4)),
            "the drawing does not fit on A4 paper at 1:20; the largest standard scale at which "
            "it fits is 1:" +
                std::to_string(std::lround(*misfit->largestThatFits)));
  EXPECT_FALSE(scaleMisfit(a4,
                           {.titleBlock = kTitleBlock,
                            .scale = PrintScale::Normalised,
                            .ratio = *misfit->largestThatFits},
                           example.scene()));
  EXPECT_FALSE(
      scaleMisfit(a4, {.titleBlock = kTitleBlock, .scale = PrintScale::Fitted}, example.scene()));
}

}  // namespace
}  // namespace korain::testing
