// The report preview's page browser: the page painted for the room it is shown in, fitted to the
// width or to the page, zoomed by its buttons, its box and its keys, and growing with the window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_print_screen.h"

#include <QScrollArea>
#include <QScrollBar>

#include "inch_units.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

// Two A4 pages, a frame round each.
std::vector<PreviewPage> twoPages() {
  PreviewPrintSurface surface;
  surface.drawRect(1, 1, 18, 27);
  surface.newPage();
  surface.drawRect(1, 1, 18, 27);
  surface.endDocument();
  return surface.pages();
}

class PageBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    browser_.resize(700, 800);
    browser_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser_));
  }

  // The page's size on screen, in the window's own units.
  QSizeF shown() {
    return control<QLabel>(browser_, "PIC_Print")->pixmap().deviceIndependentSize();
  }
  QSize room() { return browser_.findChild<QScrollArea*>()->viewport()->size(); }
  QComboBox& zoomBox() { return *control<QComboBox>(browser_, "CB_Zoom"); }
  void typeZoom(const QString& text) {
    zoomBox().setEditText(text);
    emit zoomBox().textActivated(text);
  }
  // A4 on paper at the screen's resolution.
  double paperWidth() { return 21.0 / kCentimetresPerInch * browser_.logicalDpiX(); }

  FM_PrintScreen browser_{twoPages()};
};

TEST_F(PageBrowser, AFittedPageTakesTheWidthOrTheWholeRoomAndGrowsWithTheWindow) {
  EXPECT_EQ(zoomBox().currentText(), "Fit width");
  EXPECT_NEAR(shown().width(), room().width(), 1);
  const double narrow = shown().width();
  browser_.resize(1000, 900);
  QTest::qWait(0);
  EXPECT_NEAR(shown().width(), room().width(), 1);
  EXPECT_GT(shown().width(), narrow + 200);
  // The page is painted for the screen's pixels, not a picture stretched to the size.
  const QPixmap pixmap = control<QLabel>(browser_, "PIC_Print")->pixmap();
  EXPECT_EQ(pixmap.width(), qRound(shown().width() * browser_.devicePixelRatioF()));

  typeZoom("Fit page");
  EXPECT_NEAR(shown().height(), room().height(), 1);
  EXPECT_LE(shown().width(), room().width() + 1);
  EXPECT_NEAR(shown().width() / shown().height(), 21.0 / 29.7, 0.01);
  // The next page keeps the fit.
  click(browser_, "BT_Print_0");
  EXPECT_EQ(browser_.currentPage(), 1);
  EXPECT_NEAR(shown().height(), room().height(), 1);
}

TEST_F(PageBrowser, ZoomStepsFromTheSizeShownByButtonsOrKeysAndTheBoxTakesPercentages) {
  browser_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&browser_));
  typeZoom("100%");
  EXPECT_NEAR(shown().width(), paperWidth(), 1);
  click(browser_, "BT_Zoom_0");
  EXPECT_NEAR(shown().width(), paperWidth() * 1.25, 1);
  EXPECT_EQ(zoomBox().currentText(), "125%");
  QTest::keyClick(&browser_, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_NEAR(shown().width(), paperWidth(), 1);
  click(browser_, "BT_Zoom_1");
  EXPECT_NEAR(shown().width(), paperWidth() / 1.25, 1);
  QTest::keyClick(&browser_, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_NEAR(shown().width(), paperWidth(), 1);
  // A zoomed page stays as it is when the window changes.
  const QSizeF zoomed = shown();
  browser_.resize(900, 950);
  QTest::qWait(0);
  EXPECT_EQ(shown(), zoomed);
  // From a fit, a step starts at the fitted size.
  typeZoom("Fit width");
  const double fitted = shown().width();
  click(browser_, "BT_Zoom_0");
  EXPECT_NEAR(shown().width(), fitted * 1.25, 1);
  // Typed without its sign, beyond the largest zoom, or not a number at all.
  const struct {
    const char* typed;
    double width;
    const char* shows;
  } typed[] = {{"200", 2, "200%"}, {"5000%", 4, "400%"}, {"big", 4, "400%"}, {"0", 4, "400%"}};
  for (const auto& t : typed) {
    typeZoom(t.typed);
    EXPECT_NEAR(shown().width(), paperWidth() * t.width, 1) << t.typed;
    EXPECT_EQ(zoomBox().currentText(), t.shows) << t.typed;
  }
  // The page larger than the window scrolls.
  QTest::qWait(0);
  EXPECT_GT(browser_.findChild<QScrollArea*>()->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace korain::testing
