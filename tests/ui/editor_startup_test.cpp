// The editor's start as a user meets it: what follows a database named without a block
// number, and the configuration values start-up refused, named in the message list.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/editor_startup.h"

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class FinishedStartup : public ::testing::Test {
 protected:
  void SetUp() override { writeFile(database_, exampleDatabase()); }

  // Starts the editor with these arguments (no splash), then lets it finish its start,
  // noting each modal dialog `answer` has answered.
  void start(const QStringList& arguments,
             const std::vector<std::pair<QString, QString>>& answers) {
    for (const auto& [form, button] : answers) {
      answerNextDialog(form, button, [this, form](QWidget&) { dialogs_.push_back(form); });
    }
    started_ = startEditor(session_, prompt_,
                           {.commandLine = parseArguments(QStringList{"/V"} + arguments),
                            .iniPath = scratch_.ini(),
                            .programFolder = scratch_.path()});
    ASSERT_NE(started_.window, nullptr);
    finishStartup(started_, session_);
  }
  QStringList messageTexts() const {
    QStringList texts;
    auto* list = control<QComboBox>(*started_.window, "CB_Error");
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
  }

  const CurrentFolderGuard folder_;  // start-up makes the data folder current
  ScratchFolder scratch_;
  const std::string database_ = scratch_.file("bulk carrier.ko2");
  Session session_;
  ScriptedPrompt prompt_;
  StartedEditor started_;
  QStringList dialogs_;
};

// The configuration's refusals are listed after the new arrangement's first refresh, which
// empties the list, and once.
TEST_F(FinishedStartup, ADatabaseAloneRunsTheNewArrangementCommandThenListsTheRefusals) {
  writeFile(scratch_.ini(), "[Screen]\nPanelFontSize=-3\nRes%20%23449=-1\n[Paths]\nZoomFactor=0\n");
  start({QString::fromStdString(database_)},
        {{"FM_NewZel", "BT_Ok"}, {"FM_MainData", "BT_Cancel"}});
  EXPECT_EQ(dialogs_, (QStringList{"FM_NewZel", "FM_MainData"}));
  ASSERT_TRUE(session_.hasArrangement());
  EXPECT_EQ(session_.arrangement().Name, "New Bulkhead Arrangement");
  EXPECT_EQ(session_.database().BlockNumber, 0);
  EXPECT_EQ(readFile(database_), exampleDatabase());

  const QStringList refused = messageTexts().filter("Tessaly.ini");
  ASSERT_EQ(refused.size(), 2) << messageTexts().join('\n').toStdString();
  EXPECT_TRUE(refused[0].contains("[Paths] ZoomFactor: \"0\""));
  EXPECT_TRUE(refused[1].contains("[Screen] PanelFontSize: \"-3\""));
  EXPECT_EQ(session_.screen().PanelFontSize, 9);
  EXPECT_TRUE(session_.display().shows(display_bit::kScantlings));
  const std::string kept = readFile(scratch_.ini());
  for (const char* gone : {"=-3", "ZoomFactor=0", "Res"}) {
    EXPECT_EQ(kept.find(gone), std::string::npos) << kept;
  }
}

TEST_F(FinishedStartup, ListOffersTheDatabasesArrangements) {
  answerNextDialog("FM_SelSec", "BT_Ok", [](QWidget& dialog) {
    dialog.findChild<QListWidget*>("LI_Sections")->setCurrentRow(1);
  });
  start({"--list", QString::fromStdString(database_)}, {});
  EXPECT_EQ(session_.database().BlockNumber, 2);
  EXPECT_EQ(session_.arrangement().Bulkheads.at(1).Typ, 2);
}

}  // namespace
}  // namespace korain::testing
