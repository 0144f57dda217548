// Print Drawing: its dialog alone (the boxes against the display word), its preview alone (the
// sheet in black and white, Escape), and the command as a user runs it from the main
// window: the dialog, the preview, the sheet printed to a PDF file, Quit.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <filesystem>

#include "dialogs/fm_cartouche.h"
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

using CartoucheDialog = ExampleTest;
using DrawingPreview = ExampleTest;

TEST_F(CartoucheDialog, TheBoxesFollowTheirBitsAndChangeThePrintedDrawingOnly) {
  session().setDisplayWord(display_bit::kAxis | display_bit::kStools);
  FakePrinters printers;
  FM_Cartouche dialog(session(), printers, {});
  dialog.show();
  const auto box = [&dialog](int i) {
    return control<QCheckBox>(dialog, "OP_View_" + QString::number(i));
  };
  EXPECT_TRUE(box(0)->isChecked());
  EXPECT_TRUE(box(1)->isChecked());
  for (int i = 2; i < 9; ++i) EXPECT_FALSE(box(i)->isChecked()) << i;
  // A printed drawing carries its dimension chains unless the box is cleared.
  EXPECT_TRUE(box(9)->isChecked());
  const QImage before = control<DrawingPicture>(dialog, "PIC_Section")->picture();
  box(2)->click();  // "Nodes"
  box(0)->click();  // "Axis" off
  box(9)->click();  // "Dimensions" off
  EXPECT_EQ(dialog.display().DisplayWord, display_bit::kStools | display_bit::kNodes);
  EXPECT_EQ(session().display().DisplayWord, display_bit::kAxis | display_bit::kStools);
  EXPECT_NE(control<DrawingPicture>(dialog, "PIC_Section")->picture(), before);
}

// With the normalised scale the dialog tells the scale the sheet is printed at, and warns
// where the drawing does not fit the paper at the first one: the office printer's square paper.
TEST_F(CartoucheDialog, TellsTheNormalisedScaleAndWarnsWhereTheDrawingDoesNotFit) {
  FakePrinters printers;
  FM_Cartouche dialog(session(), printers,
                      {.titleLines = {}, .normalisedScale = true, .printer = "Office"});
  dialog.show();
  const QLabel& scale = *control<QLabel>(dialog, "LB_Scale");
  const QRegularExpressionMatch warning =
      QRegularExpression(R"(^The drawing does not fit on Square paper at 1:(\d+); the largest )"
                         R"(standard scale at which it fits is 1:(\d+), at which it is printed\.$)")
          .match(scale.text());
  ASSERT_TRUE(warning.hasMatch()) << scale.text().toStdString();
  EXPECT_LT(warning.captured(1).toInt(), warning.captured(2).toInt());
  choosePdfFile(dialog);
  EXPECT_TRUE(
      QRegularExpression(R"(^Printed at 1:\d+ on A4 paper\.$)").match(scale.text()).hasMatch());
}

TEST_F(DrawingPreview, MonochromeTurnsTheSheetGreyAndEscapeCloses) {
  const DrawingScene scene{session().arrangement(), nullptr, session().ship(), session().display(),
                           session().screen()};
  FM_Preview preview(scene, drawingPageLayout(QPageSize(QPageSize::A4)),
                     DrawingPrint{.titleBlock = {}, .scale = PrintScale::Fitted}, [] {});
  preview.show();
  QAction& monochrome = *control<QAction>(preview, "ME_Monochrome");
  ASSERT_FALSE(preview.picture().isNull());
  EXPECT_FALSE(isGrey(preview.picture()));
  monochrome.trigger();
  EXPECT_TRUE(isGrey(preview.picture()));
  monochrome.trigger();
  EXPECT_FALSE(isGrey(preview.picture()));
  QTest::keyClick(&preview, Qt::Key_Escape);
  EXPECT_FALSE(preview.isVisible());
}

// What pastes is the sheet shown, pixel for pixel, as large as shown, and the same paper as SVG;
// after a resize, the new sheet.
TEST_F(DrawingPreview, CopyPutsExactlyTheShownSheetOnTheClipboard) {
  const DrawingScene scene{session().arrangement(), nullptr, session().ship(), session().display(),
                           session().screen()};
  TitleBlock titles;
  titles.Lines = {"Korain", "", "Aft bulkhead of hold 3"};
  FM_Preview preview(scene, drawingPageLayout(QPageSize(QPageSize::A4)),
                     DrawingPrint{.titleBlock = titles, .scale = PrintScale::Normalised}, [] {});
  for (const QSize size : {QSize(900, 680), QSize(1200, 800)}) {
    preview.resize(size);
    preview.show();
    QTest::qWait(0);
    QGuiApplication::clipboard()->clear();
    control<QAction>(preview, "ME_Copy")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    const QImage shown = preview.picture();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              shown.convertToFormat(QImage::Format_RGB32));
    const QByteArray svg = data->data(kSvgMimeType);
    const QString viewBox = QString("viewBox=\"0 0 %1 %2\"").arg(shown.width()).arg(shown.height());
    EXPECT_TRUE(svg.contains(viewBox.toUtf8())) << svg.left(600).toStdString();
  }
}

using PrintDrawing = MainWindowTest;

TEST_F(PrintDrawing, TheDialogThenThePreviewPrintsTheSheetToAPdfFileAndQuits) {
  const std::string pdf = scratch_.file("drawing.pdf");
  prompt_.fileAnswers = {pdf};
  ASSERT_TRUE(action("ME_Plot").isEnabled());
  answerNextDialog("FM_Cartouche", "BT_Ok", [](QWidget& dialog) {
    dialog.findChild<QLineEdit*>("TX_Print_1")->setText("Aft bulkhead of hold 3");
    dialog.findChild<QCheckBox*>("OP_Preview")->setChecked(true);
    choosePdfFile(dialog);
  });
  bool previewed = false;
  onNextModal("FM_Preview", [&previewed](QWidget& preview) {
    previewed = preview.windowTitle() == "Print preview";
    preview.findChild<QAction*>("ME_Print")->trigger();
    preview.findChild<QAction*>("ME_Quit")->trigger();
  });
  action("ME_Plot").trigger();
  EXPECT_TRUE(previewed);
  ASSERT_EQ(prompt_.questions.size(), 1U);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  const QString text = pdfText(pdf);
  EXPECT_TRUE(text.contains("Aft bulkhead of hold 3"));
  EXPECT_TRUE(text.contains("Section at X ="));
}

TEST_F(PrintDrawing, CancelPrintsNothing) {
  answerNextDialog("FM_Cartouche", "BT_Cancel");
  action("ME_Plot").trigger();
  EXPECT_TRUE(prompt_.questions.empty());
}

}  // namespace
}  // namespace korain::testing
