// The preferences dialog as a user fills it: the data folder refused, the
// printer's fields kept across a device switch, Preview taken back by Cancel.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_pref.h"

#include <QLineEdit>
#include <filesystem>
#include <memory>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class PreferencesDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    changeRun(editor_.session(), [&](StartupState& run) { run.paths.DataPath = folder_.path(); });
    dialog_ = std::make_unique<FM_Pref>(editor_, folder_.ini());
    dialog_->show();
  }

  NumberField& field(const char* name) { return *control<NumberField>(*dialog_, name); }

  ScratchFolder folder_;
  TestEditor editor_;
  std::unique_ptr<FM_Pref> dialog_;
};

// What a missing data folder is told is the preferences' rule, tested in the app layer.
TEST_F(PreferencesDialog, AMissingDataFolderKeepsTheDialogOpenAndPrinterEditsSurviveASwitch) {
  QLineEdit& path = *control<QLineEdit>(*dialog_, "TX_Path");
  path.setText(QString::fromStdString(folder_.file("nowhere")));
  click(*dialog_, "BT_Ok");
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(editor_.scriptedPrompt().messages.size(), 1U);
  path.setText(QString::fromStdString(folder_.path()));

  click(*dialog_, "OP_Device_1");
  typeInto(field("TX_Panel"), "14");
  typeInto(field("TX_Margin"), "25");
  click(*dialog_, "OP_Device_0");
  EXPECT_EQ(field("TX_Panel").value(), 9);
  click(*dialog_, "OP_Device_1");
  EXPECT_EQ(field("TX_Panel").value(), 14);
  click(*dialog_, "BT_Ok");
  EXPECT_FALSE(dialog_->isVisible());
  const DisplayConfig printer = readDisplayConfig(folder_.ini(), OutputDevice::Printer);
  EXPECT_EQ(printer.PanelFontSize, 14);
  EXPECT_EQ(printer.Margin, 25);
  EXPECT_EQ(readDisplayConfig(folder_.ini(), OutputDevice::Screen).PanelFontSize, 9);
  EXPECT_EQ(editor_.session().screen().PanelFontSize, 9);
}

TEST_F(PreferencesDialog, PreviewShowsTheScreenFieldsUntilCancelTakesThemBack) {
  const DisplayConfig before = editor_.session().screen();
  typeInto(field("TX_Node"), "20");
  click(*dialog_, "BT_Preview");
  EXPECT_EQ(editor_.session().screen().NodeFontSize, 20);
  click(*dialog_, "BT_Cancel");
  EXPECT_EQ(editor_.session().screen(), before);
  EXPECT_FALSE(std::filesystem::exists(folder_.ini()));
}

}  // namespace
}  // namespace korain::testing
