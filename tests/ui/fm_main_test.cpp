// The editor as a user drives it: the example database opened in the main
// window, edits through the panels, undo, the file commands and their questions.
#include "main/fm_main.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "drawing/fm_graph.h"
#include "io/block_list.h"
#include "main/editor_startup.h"
#include "ship/ship_data_reader.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

// Clicks a button of the next modal dialog named `form` once it is shown,
// after `fill` has had its go at the dialog.
void answerNextDialog(const QString& form, const QString& button,
                      std::function<void(QWidget&)> fill = {}) {
  QTimer::singleShot(0, [=] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || dialog->objectName() != form) {
      answerNextDialog(form, button, fill);
      return;
    }
    if (fill) fill(*dialog);
    dialog->findChild<QPushButton*>(button)->click();
  });
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(database_, readFile(exampleDatabasePath()));
    session_.run.applicationTitle = "Korain";
    openDatabase(session_, database_);
    ASSERT_TRUE(openArrangement(session_, 1).found());
    session_.display().CurrentPanel = PanelCode::Bulkhead;
    window_.show();
    window_.initialiseView();
  }

  QAction& action(const char* name) { return *control<QAction>(window_, name); }
  Arrangement& arrangement() { return session_.arrangement(); }
  Bulkhead& bulkhead() { return arrangement().Bulkheads.at(arrangement().CurBulkhead); }
  QString caption() const { return window_.windowTitle(); }
  // Presses object tool i as a user does.
  void pressTool(int i) { action(("SS_Objects_" + std::to_string(i)).c_str()).trigger(); }

  ScratchFolder scratch_;
  std::string database_ = scratch_.file("ship.ko2");
  Session session_;
  ScriptedPrompt prompt_;
  FM_Main window_{session_, prompt_};
};

TEST_F(MainWindow, NodeEditIsRecomputedListedAndUndone) {
  action("SS_AddDel_0").trigger();  // a second bulkhead, to choose between
  ASSERT_EQ(arrangement().Bulkheads.count(), 2);
  auto* selector = control<QComboBox>(window_, "CB_Panel");
  EXPECT_EQ(selector->count(), 2);
  choose(*selector, 0);
  EXPECT_EQ(arrangement().CurBulkhead, 1);

  pressTool(1);
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::Nodes);
  // Node 3 ends an arc; pulled far out the arc cannot exist and is reported.
  for (int i = 0; i < 2; ++i) control<QAbstractButton>(window_, "BT_Inode_1")->click();
  ASSERT_EQ(bulkhead().CurNode, 3);
  const Node before = bulkhead().Nodes.at(3);
  typeInto(*control<NumberField>(*control<QWidget>(window_, "FM_Node"), "FTX_m_0"), "40");

  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(3).Y, 40.0F);
  EXPECT_EQ(action("ME_EditUndo").text(), "Undo Node data changes");
  EXPECT_TRUE(action("ME_EditUndo").isEnabled());
  EXPECT_TRUE(caption().endsWith(" *"));
  auto* messages = control<QComboBox>(window_, "CB_Error");
  ASSERT_FALSE(session_.messages().empty());
  ASSERT_EQ(static_cast<std::size_t>(messages->count()), session_.messages().size());
  EXPECT_EQ(messages->currentText().toStdString(), session_.messages().messages().back());

  action("ME_EditUndo").trigger();
  EXPECT_EQ(bulkhead().Nodes.at(3).Y, before.Y);
  EXPECT_EQ(arrangement().CurBulkhead, 1);
  EXPECT_FALSE(action("ME_EditUndo").isEnabled());
  EXPECT_FALSE(caption().endsWith(" *"));
}

TEST_F(MainWindow, DeletingAMemberAsksAndNoStillLeavesAnUndoEntry) {
  pressTool(2);
  const int members = bulkhead().PrimaryMembers.count();
  action("SS_AddDel_0").trigger();
  EXPECT_EQ(bulkhead().PrimaryMembers.count(), members + 1);
  EXPECT_EQ(action("SS_AddDel_0").text(), "Add Primary supporting members");

  prompt_.answers = {Answer::No};
  action("SS_AddDel_1").trigger();
  EXPECT_EQ(bulkhead().PrimaryMembers.count(), members + 1);
  EXPECT_EQ(session_.undoLabel(), "Delete Primary supporting members");
  ASSERT_FALSE(prompt_.messages.empty());
  EXPECT_EQ(prompt_.messages.back().rfind("Are you sure to erase Primary supporting member ", 0),
            0U);

  prompt_.answers = {Answer::Yes};
  action("ME_Delete").trigger();
  EXPECT_EQ(bulkhead().PrimaryMembers.count(), members);
}

TEST_F(MainWindow, ZoomInAndOutAtTheCentreGivesTheWindowBack) {
  FM_Graph& graph = window_.drawing();
  auto* horizontal = control<QScrollBar>(window_, "HS_Section");
  auto* surface = control<QWidget>(window_, "PIC_Section");
  const WorldWindow full = graph.visibleWindow();
  EXPECT_FALSE(horizontal->isEnabled());

  action("SS_Select_0").trigger();
  EXPECT_EQ(session_.display().Tool, kZoomTool);
  EXPECT_EQ(action("ME_Zoom").text(), "E&xit zoom");
  const QPoint centre = graph.pixelAt(full.centreY(), full.centreZ());
  QTest::mouseClick(surface, Qt::LeftButton, {}, centre);
  EXPECT_LT(graph.visibleWindow().width, full.width);
  EXPECT_TRUE(horizontal->isEnabled());
  QTest::mouseClick(surface, Qt::RightButton, {}, centre);
  const WorldWindow back = graph.visibleWindow();
  // The click lands on a whole pixel: the centre is found again within one.
  const double pixel = full.width / surface->width();
  EXPECT_NEAR(back.left, full.left, 2 * pixel);
  EXPECT_NEAR(back.width, full.width, 1e-9 * full.width);
  EXPECT_NEAR(back.bottom, full.bottom, 2 * pixel);

  action("SS_Select_0").trigger();
  EXPECT_EQ(session_.display().Tool, kPickTool);
  EXPECT_EQ(action("ME_Zoom").text(), "&Zoom");
}

TEST_F(MainWindow, QuitWithChangesAsksAndCancelKeepsEverything) {
  pressTool(0);
  typeInto(*control<CommitField>(window_, "FTX_Name"), "Renamed");
  ASSERT_EQ(bulkhead().Name, "Renamed");
  prompt_.answers = {Answer::Cancel};
  EXPECT_FALSE(window_.close());
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(bulkhead().Name, "Renamed");
  EXPECT_TRUE(session_.hasUnsavedChanges());
  EXPECT_EQ(prompt_.messages.size(), 1U);

  prompt_.answers = {Answer::No};
  EXPECT_TRUE(window_.close());
  EXPECT_EQ(readFile(database_), readFile(exampleDatabasePath()));
}

TEST_F(MainWindow, SaveOfANewArrangementAppendsThenWritesTheSameBlock) {
  answerNextDialog("FM_NewZel", "BT_Ok");
  answerNextDialog("FM_MainData", "BT_Cancel");
  ASSERT_TRUE(window_.newArrangement());
  EXPECT_EQ(arrangement().Name, "New Bulkhead Arrangement");
  EXPECT_TRUE(caption().endsWith(" *"));
  EXPECT_EQ(session_.undoLabel(), "basicaly");

  const int blocks = countBlocks(readFile(database_));
  action("ME_Save").trigger();
  EXPECT_EQ(session_.BlockNumber, blocks + 1);
  EXPECT_EQ(countBlocks(readFile(database_)), blocks + 1);
  EXPECT_FALSE(caption().endsWith(" *"));

  action("SS_AddDel_0").trigger();
  action("SS_File_0").trigger();
  EXPECT_EQ(countBlocks(readFile(database_)), blocks + 1);
  Arrangement read;
  ASSERT_TRUE(readZelBlock(database_, static_cast<Integer>(blocks + 1), read).found());
  EXPECT_EQ(read.Bulkheads.count(), 1);
}

TEST_F(MainWindow, OpenAsksFirstAndCancelLeavesTheArrangement) {
  pressTool(0);
  typeInto(*control<CommitField>(window_, "FTX_Name"), "Renamed");
  prompt_.answers = {Answer::Cancel};
  EXPECT_FALSE(window_.openArrangement());
  EXPECT_EQ(bulkhead().Name, "Renamed");

  prompt_.answers = {Answer::No};
  answerNextDialog("FM_SelSec", "BT_Ok", [](QWidget& dialog) {
    auto* list = dialog.findChild<QListWidget*>("LI_Sections");
    list->setCurrentRow(1);
  });
  ASSERT_TRUE(window_.openArrangement());
  EXPECT_EQ(session_.BlockNumber, 2);
  EXPECT_EQ(arrangement().Bulkheads.at(1).Typ, 2);
  EXPECT_FALSE(session_.hasUnsavedChanges());
}

TEST_F(MainWindow, BulkheadStepsWrapAroundAndUndoBringsTheSelectionBack) {
  EXPECT_FALSE(action("ME_NextPanel").isEnabled());  // a single bulkhead
  action("SS_AddDel_0").trigger();
  action("SS_AddDel_0").trigger();
  ASSERT_EQ(arrangement().CurBulkhead, 3);
  EXPECT_EQ(action("SS_AddDel_0").toolTip(), "Add Bulkhead");
  auto* selector = control<QComboBox>(window_, "CB_Panel");

  action("ME_NextPanel").trigger();
  EXPECT_EQ(arrangement().CurBulkhead, 1);
  action("ME_PreviousPanel").trigger();
  EXPECT_EQ(arrangement().CurBulkhead, 3);
  EXPECT_EQ(session_.undoLabel(), "Add Bulkhead");  // choosing is no change

  choose(*selector, 1);
  prompt_.answers = {Answer::Yes};
  action("SS_AddDel_1").trigger();
  EXPECT_EQ(arrangement().Bulkheads.count(), 2);
  action("ME_EditUndo").trigger();
  EXPECT_EQ(arrangement().Bulkheads.count(), 3);
  EXPECT_EQ(arrangement().CurBulkhead, 2);
  EXPECT_EQ(selector->currentIndex(), 1);
  EXPECT_EQ(control<CommitField>(window_, "FTX_Name")->text(), "New Bulkhead 2");

  pressTool(0);  // released: the display panel, no bulkhead steps
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::Display);
  EXPECT_FALSE(action("ME_NextPanel").isEnabled());
  EXPECT_EQ(action("SS_AddDel_0").text(), "Add Bulkhead Arrangement");
  EXPECT_FALSE(action("SS_AddDel_0").isEnabled());
}

TEST(EditorStartup, CorruptDatabaseAndMissingBlockAreToldAndStartUpGoesOn) {
  const CurrentFolderGuard folder;  // start-up makes the data folder current
  ScratchFolder scratch;
  const std::string corrupt = scratch.file("corrupt.ko2");
  writeFile(corrupt, "not a database\n\x01\x02 garbage\n");
  const std::string database = scratch.file("ship.ko2");
  writeFile(database, readFile(exampleDatabasePath()));
  struct Case {
    std::string line;
    Integer block;
    std::size_t messages;
  };
  for (const Case& c : {Case{'"' + corrupt + "\" 1", 0, 2}, Case{'"' + database + "\" 9", 0, 1},
                        Case{'"' + database + "\" 2", 2, 0}}) {
    Session session;
    ScriptedPrompt prompt;
    const std::unique_ptr<FM_Main> window =
        startEditor(session, prompt,
                    {.commandLine = parseCommandLine("/V " + c.line),
                     .iniPath = scratch.ini(),
                     .programFolder = scratch.path()});
    ASSERT_NE(window, nullptr) << c.line;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.run.paths.ArrangementNumber, c.block) << c.line;
    EXPECT_EQ(prompt.messages.size(), c.messages) << c.line;
    EXPECT_EQ(readFile(database), readFile(exampleDatabasePath()));
  }
}

}  // namespace
}  // namespace korain::testing
