// The drawing's print preview (the sheet in black and white, Print, Escape),
// and the main window's copy of the drawing onto the clipboard.
#include "dialogs/fm_preview.h"

#include <QClipboard>
#include <QMimeData>

#include "drawing/fm_graph.h"
#include "main/fm_main.h"
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

TEST(MainWindowCopy, TheDrawingGoesOntoTheClipboardAsPictureAndSvg) {
  ScratchFolder scratch;
  const std::string database = scratch.file("ship.ko2");
  writeFile(database, readFile(exampleDatabasePath()));
  Session session;
  ScriptedPrompt prompt;
  openDatabase(session, database);
  ASSERT_TRUE(openArrangement(session, 1).found());
  FM_Main window(session, prompt);
  window.show();
  window.initialiseView();
  QGuiApplication::clipboard()->clear();
  QAction& copy = *control<QAction>(window, "ME_EditCopy");
  EXPECT_EQ(copy.text(), "&Copy Section Drawing to clipboard");
  copy.trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), window.drawing().size());
  EXPECT_TRUE(data->data(kSvgMimeType).contains("<svg"));
}

}  // namespace
}  // namespace korain::testing
