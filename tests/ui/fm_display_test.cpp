// The display panel: each box shows and sets its own bit of the display word.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_display.h"

#include <QCheckBox>

#include "drawing/fm_graph.h"
#include "ui_test_support.h"
#include "view/display_options.h"

namespace korain::testing {
namespace {

constexpr Long kBits[] = {32, 1, 2, 4, 8, 16, 128, 256, 512, 1024};

QCheckBox* viewBox(QWidget& panel, std::size_t i) {
  return control<QCheckBox>(panel, "OP_View_" + QString::number(i));
}

TEST(DisplayPanel, EachBoxShowsAndSetsItsOwnBitWithoutAChange) {
  TestEditor editor;
  FM_Display panel(editor);
  editor.setPanel(&panel);
  const Long& word = editor.session().display().DisplayWord;
  for (std::size_t i = 0; i < std::size(kBits); ++i) {
    SCOPED_TRACE(i);
    editor.session().setDisplayWord(display_bit::kAxis | display_bit::kStrakes);
    editor.session().refresh(Follow::Panel);
    viewBox(panel, i)->click();
    EXPECT_EQ(word, (display_bit::kAxis | display_bit::kStrakes) ^ kBits[i]);
    editor.session().refresh(Follow::Panel);
    for (std::size_t k = 0; k < std::size(kBits); ++k) {
      EXPECT_EQ(viewBox(panel, k)->isChecked(), (word & kBits[k]) != 0) << k;
    }
  }
  EXPECT_FALSE(editor.session().canUndo());
}

// Dark pixels of the picture within the box.
int inkIn(const QImage& picture, const QRect& box) {
  int ink = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      if (qGray(picture.pixel(x, y)) < 128) ++ink;
    }
  }
  return ink;
}

TEST(DisplayPanel, TheDimensionsBoxRedrawsTheBulkheadWithItsChains) {
  TestEditor editor;
  FM_Display panel(editor);
  editor.setPanel(&panel);
  editor.openExample(1);
  FM_Graph graph(editor);
  graph.resize(800, 600);
  graph.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&graph));
  QWidget& surface = *control<QWidget>(graph, "PIC_Section");
  const Bulkhead& bulkhead = editor.session().arrangement().Bulkheads.at(1);
  // The band just under the bulkhead's lowest point, across its breadth,
  // where the stiffener chain runs; the hull's lines there stay as they were.
  const QPoint lowLeft = graph.pixelAt(bulkhead.YMin, bulkhead.ZMin);
  const QPoint lowRight = graph.pixelAt(bulkhead.YMax, bulkhead.ZMin);
  const QRect band(QPoint(lowLeft.x() + 2, lowLeft.y() + 2),
                   QPoint(lowRight.x() - 2, lowLeft.y() + 40));
  const QImage before = surface.grab().toImage();

  QCheckBox& box = *control<QCheckBox>(panel, "OP_View_9");
  EXPECT_EQ(box.text(), "Dimensions");
  EXPECT_FALSE(box.isChecked());
  box.click();
  const QImage with = surface.grab().toImage();
  // 19 extension lines and a dimension line at least, each some pixels long.
  EXPECT_GT(inkIn(with, band), inkIn(before, band) + 100);
  box.click();
  EXPECT_EQ(surface.grab().toImage(), before);
}

}  // namespace
}  // namespace korain::testing
