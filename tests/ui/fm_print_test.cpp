// The print dialog's checks before it closes: an item chosen, and the two
// margin questions about a printer whose smallest margin is 0.4 cm.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_print.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class PrintDialog : public ::testing::Test {
 protected:
  void SetUp() override { dialog_.show(); }

  void setMargins(const QString& foot, const QString& bottom) {
    typeInto(*control<NumberField>(dialog_, "TX_Margin_0"), foot);
    typeInto(*control<NumberField>(dialog_, "TX_Margin_1"), bottom);
  }
  std::vector<std::string>& asked() { return editor_.scriptedPrompt().messages; }

  TestEditor editor_;
  FakePrinters printers_;
  FM_Print dialog_{editor_, printers_, ReportSettings{.setup = {}, .items = {true}, .printer = {}}};
};

TEST_F(PrintDialog, NoItemChosenIsRefusedForPreviewAndPrint) {
  click(dialog_, "BT_All_1");
  for (const char* button : {"BT_Preview", "BT_Ok"}) {
    click(dialog_, button);
    EXPECT_TRUE(dialog_.isVisible()) << button;
  }
  EXPECT_EQ(asked(), std::vector<std::string>(2, "Please choose an item to print"));
}

// Every item, the last one added included, reads whole without scrolling.
TEST_F(PrintDialog, OffersEveryReportItemWithItsWholeName) {
  auto* items = control<QListWidget>(dialog_, "LI_Print");
  ASSERT_EQ(items->count(), kReportItems);
  EXPECT_EQ(items->item(kReportItems - 1)->text(), "Weights and section properties");
  EXPECT_EQ(items->horizontalScrollBar()->maximum(), 0);
}

// Which questions the margins raise is the margin checks' rule, tested in the core; here they
// are asked with the chosen printer's margin, in turn until one is cancelled.
TEST_F(PrintDialog, MarginQuestionsCancelKeepsTheDialogAsTypedAndOkPrintsWithTheTypedSetUp) {
  const std::string tooSmall = "Foot and bottom margin should be greater than 0.4\rContinue ?";
  const std::string order = "Bottom margin should be greater than foot margin.\rContinue ?";
  setMargins("0.3", "0.2");
  click(dialog_, "BT_All_0");
  control<QComboBox>(dialog_, "CB_Printer")->setCurrentIndex(1);
  control<QLineEdit>(dialog_, "TX_User_0")->setText("A. Engineer");
  editor_.scriptedPrompt().answers = {Answer::Cancel};
  click(dialog_, "BT_Ok");
  EXPECT_EQ(asked(), std::vector<std::string>{tooSmall});
  EXPECT_TRUE(dialog_.isVisible());
  EXPECT_EQ(control<NumberField>(dialog_, "TX_Margin_0")->text(), "0.3");
  EXPECT_EQ(control<NumberField>(dialog_, "TX_Margin_1")->text(), "0.2");

  editor_.scriptedPrompt().answers = {Answer::Yes, Answer::Yes};
  click(dialog_, "BT_Ok");
  EXPECT_EQ(asked(), (std::vector<std::string>{tooSmall, tooSmall, order}));
  EXPECT_FALSE(dialog_.isVisible());
  EXPECT_EQ(dialog_.result(), FM_Print::Print);
  const ReportSettings& settings = dialog_.settings();
  EXPECT_DOUBLE_EQ(settings.setup.FootMargin, 0.3);
  EXPECT_DOUBLE_EQ(settings.setup.BottomMargin, 0.2);
  EXPECT_EQ(settings.setup.UserName, "A. Engineer");
  EXPECT_EQ(settings.printer, "PDF file");
  for (const bool item : settings.items) EXPECT_TRUE(item);
}

}  // namespace
}  // namespace korain::testing
