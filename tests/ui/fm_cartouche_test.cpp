// The drawing print dialog alone (its boxes against the display word, its
// settings), and Print Drawing as a user runs it from the main window: the
// dialog, the preview, the sheet printed to a PDF file, Quit.
#include "dialogs/fm_cartouche.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "main/fm_main.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

struct FakePrinters final : PrinterCatalogue {
  QStringList names() const override { return {"Office", kPdfFilePrinter}; }
  double smallestMargin(const QString& /*name*/) const override { return 0.4; }
};

class CartoucheDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.openExample(1);
    editor_.session().display().DisplayWord = display_bit::kAxis | display_bit::kStools;
  }
  QCheckBox* box(int i) { return control<QCheckBox>(*dialog_, "OP_View_" + QString::number(i)); }
  void open(DrawingPrintSettings settings = {}) {
    dialog_ = std::make_unique<FM_Cartouche>(editor_.session(), printers_, std::move(settings));
    dialog_->show();
  }

  TestEditor editor_;
  FakePrinters printers_;
  std::unique_ptr<FM_Cartouche> dialog_;
};

TEST_F(CartoucheDialog, TheBoxesFollowTheirBitsAndChangeThePrintedDrawingOnly) {
  open();
  EXPECT_EQ(box(0)->text(), "Axis");
  EXPECT_TRUE(box(0)->isChecked());
  EXPECT_TRUE(box(1)->isChecked());
  for (int i = 2; i < 8; ++i) EXPECT_FALSE(box(i)->isChecked()) << i;
  const QImage before = control<DrawingPicture>(*dialog_, "PIC_Section")->picture();
  box(2)->click();  // "Nodes"
  box(0)->click();  // "Axis" off
  EXPECT_EQ(dialog_->display().DisplayWord, display_bit::kStools | display_bit::kNodes);
  EXPECT_EQ(editor_.session().display().DisplayWord, display_bit::kAxis | display_bit::kStools);
  EXPECT_NE(control<DrawingPicture>(*dialog_, "PIC_Section")->picture(), before);
}

// Runs `act` on the next modal window named `form` once it is shown.
void onNextModal(const QString& form, std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [=] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || window->objectName() != form) {
      onNextModal(form, act);
      return;
    }
    act(*window);
  });
}

class PrintDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(database_, readFile(exampleDatabasePath()));
    openDatabase(session_, database_);
    ASSERT_TRUE(openArrangement(session_, 1).found());
    window_.show();
    window_.initialiseView();
  }
  QAction& action(const char* name) { return *control<QAction>(window_, name); }

  ScratchFolder scratch_;
  std::string database_ = scratch_.file("ship.ko2");
  Session session_;
  ScriptedPrompt prompt_;
  FM_Main window_{session_, prompt_};
};

TEST_F(PrintDrawing, TheDialogThenThePreviewPrintsTheSheetToAPdfFileAndQuits) {
  const std::string pdf = scratch_.file("drawing.pdf");
  prompt_.fileAnswers = {pdf};
  ASSERT_TRUE(action("ME_Plot").isEnabled());
  onNextModal("FM_Cartouche", [](QWidget& dialog) {
    dialog.findChild<QLineEdit*>("TX_Print_1")->setText("Aft bulkhead of hold 3");
    dialog.findChild<QCheckBox*>("OP_Preview")->setChecked(true);
    auto* printers = dialog.findChild<QComboBox*>("CB_Printer");
    printers->setCurrentIndex(printers->findText(kPdfFilePrinter));
    dialog.findChild<QAbstractButton*>("BT_Ok")->click();
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
  QProcess pdftotext;
  pdftotext.start("pdftotext", {QString::fromStdString(pdf), "-"});
  ASSERT_TRUE(pdftotext.waitForFinished());
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Aft bulkhead of hold 3"));
  EXPECT_TRUE(text.contains("Section at X ="));
}

TEST_F(PrintDrawing, CancelPrintsNothing) {
  onNextModal("FM_Cartouche",
              [](QWidget& dialog) { dialog.findChild<QAbstractButton*>("BT_Cancel")->click(); });
  action("ME_Plot").trigger();
  EXPECT_TRUE(prompt_.questions.empty());
}

}  // namespace
}  // namespace korain::testing
