// The drawing's print preview: the sheet in black and white, Print, Escape.
#include "dialogs/fm_preview.h"

#include "ui_test_support.h"

namespace korain::testing {
namespace {

bool isGrey(const QImage& image) {
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() != c.green() || c.green() != c.blue()) return false;
    }
  }
  return true;
}

class Preview : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.openExample(1);
    preview_.show();
  }
  QAction& item(const char* name) { return *control<QAction>(preview_, name); }

  TestEditor editor_;
  const Session& session_ = editor_.session();
  const DrawingScene scene_{session_.arrangement(), nullptr, session_.ship(), session_.display(),
                            session_.screen};
  int printed_ = 0;
  FM_Preview preview_{scene_, drawingPageLayout(QPageSize(QPageSize::A4)),
                      DrawingPrint{.titleBlock = {}, .scale = PrintScale::Fitted},
                      [this] { ++printed_; }};
};

TEST_F(Preview, MonochromeTurnsTheSheetGreyPrintPrintsAndEscapeCloses) {
  ASSERT_FALSE(preview_.picture().isNull());
  EXPECT_FALSE(isGrey(preview_.picture()));
  item("ME_Monochrome").trigger();
  EXPECT_TRUE(isGrey(preview_.picture()));
  item("ME_Monochrome").trigger();
  EXPECT_FALSE(isGrey(preview_.picture()));
  item("ME_Print").trigger();
  EXPECT_EQ(printed_, 1);
  QTest::keyClick(&preview_, Qt::Key_Escape);
  EXPECT_FALSE(preview_.isVisible());
}

}  // namespace
}  // namespace korain::testing
