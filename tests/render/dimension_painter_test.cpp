// The example's dimension chains on an A4 sheet at 1:150: the texts of a
// hand-computed table, none over another, all inside the drawing's area, in
// four rows at most however crowded. The labels keep off them: the scantling
// plan's test checks that.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dimension_painter.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "drawing_sheet.h"
#include "example_scene.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr double kDpi = 150;
constexpr double kMillimetresPerInch = 25.4;
const QSizeF kA4Landscape(297, 210);  // mm

struct A4Plan {
  ExampleScene example{1, kEverything | display_bit::kScantlings | display_bit::kDimensions};
  QRectF sheet{QPointF(0, 0), kA4Landscape*(kDpi / kMillimetresPerInch)};
  SheetRequest request{.scaleRatio = 150};
  SheetLayout layout = layOutSheet(sheet, kDpi, request, example.scene());
  QTransform toDevice = worldToDevice(layout.window, layout.drawing);
  DrawingStyle style{example.labels, kDpi / 72};
};

std::vector<std::string> textsOf(const DimensionFigure& figure, bool upright) {
  std::vector<std::string> texts;
  for (const DimensionText& t : figure.texts) {
    if (t.upright == upright) texts.push_back(t.text.toStdString());
  }
  return texts;
}

TEST(DimensionPainter, TheExamplesChainsOnA4At1To150) {
  const A4Plan plan;
  const DimensionFigure figure = layOutDimensions(plan.example.scene(), plan.toDevice, plan.style);
  // Stiffeners every 0.8 m from the centre line to 14.4 m, the bulkhead's
  // edge at 16 m; levels: inner bottom 1.8, stool 3.6, band seams 6, 9, 12,
  // 14.5, stringers 7.2 and 11, the top at 18.
  EXPECT_EQ(textsOf(figure, false),
            (std::vector<std::string>{"18 \xC3\x97 800 = 14 400", "1 600"}));
  EXPECT_EQ(textsOf(figure, true), (std::vector<std::string>{"1 800", "2 400", "1 200", "1 800",
                                                             "2 000", "1 000", "2 500", "3 500"}));
  // 20 stations under the bulkhead, 9 beside it: each an extension line and
  // a tick, and a dimension line for each chain.
  EXPECT_EQ(figure.lines.size(), 2U * (20 + 9) + 2);
  for (std::size_t i = 0; i < figure.texts.size(); ++i) {
    const DimensionText& text = figure.texts[i];
    EXPECT_TRUE(plan.layout.drawing.contains(text.box)) << text.text.toStdString();
    for (std::size_t j = i + 1; j < figure.texts.size(); ++j) {
      EXPECT_FALSE(text.box.intersects(figure.texts[j].box))
          << text.text.toStdString() << " and " << figure.texts[j].text.toStdString();
    }
  }
  for (const QLineF& line : figure.lines) {
    EXPECT_TRUE(plan.layout.drawing.contains(line.p1()) && plan.layout.drawing.contains(line.p2()));
  }
}

// Thousands of stiffeners a few millimetres apart, none spaced like its
// neighbours: a text for each spacing, in at most four rows under the line.
TEST(DimensionPainter, CrowdedSpacingsStayWithinFourRows) {
  A4Plan plan;
  List<OrdinaryStiffener>& stiffeners = plan.example.arrangement.Bulkheads.at(1).Stiffeners;
  stiffeners.redim(3000);
  for (int i = 1; i <= stiffeners.count(); ++i) {
    stiffeners.at(i).Position = static_cast<Single>(0.005 * i + 0.001 * (i % 2));
  }
  const DimensionFigure figure = layOutDimensions(plan.example.scene(), plan.toDevice, plan.style);
  const double lowest =
      plan.toDevice.map(QPointF(0, plan.example.arrangement.Bulkheads.at(1).ZMin)).y();
  const double textHeight = QFontMetricsF(plan.style.font(LabelKind::AxisAndStrake)).height();
  std::size_t under = 0;
  for (const DimensionText& text : figure.texts) {
    if (text.upright) continue;
    ++under;
    EXPECT_LT(text.box.bottom() - lowest, 8 * textHeight) << text.text.toStdString();
  }
  EXPECT_EQ(under, 3001U);
}

}  // namespace
}  // namespace korain::testing
