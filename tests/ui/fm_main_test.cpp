// The editor as a user drives it: the example database opened in the main
// window, edits through the panels, undo, the file commands and their questions,
// the drawing copied to the clipboard.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/fm_main.h"

#include <QClipboard>
#include <QMimeData>
#include <QScreen>
#include <filesystem>

#include "checks/check_modes.h"
#include "checks/check_view.h"
#include "drawing/fm_graph.h"
#include "io/block_list.h"
#include "main/editor_startup.h"
#include "report/data_report.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class MainWindow : public MainWindowTest {
 protected:
  const Arrangement& arrangement() { return session_.arrangement(); }
  const Bulkhead& bulkhead() { return arrangement().Bulkheads.at(arrangement().CurBulkhead); }
  QString caption() const { return window_.windowTitle(); }
  // Presses object tool i as a user does.
  void pressTool(int i) { action(("SS_Objects_" + std::to_string(i)).c_str()).trigger(); }
  NumberField* nodeField(int i) {
    return control<NumberField>(*control<QWidget>(window_, "FM_Node"),
                                "FTX_m_" + QString::number(i));
  }
};

// What Undo and Redo leave for the drawing and the messages is the edit table's to check.
TEST_F(MainWindow, EditsAreUndoneAndRedoneFromTheKeyboardWithTheMenuFollowing) {
  pressTool(1);
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::Nodes);
  const Node before = bulkhead().Nodes.at(1);
  typeInto(*nodeField(0), "40");
  typeInto(*nodeField(1), "30");
  EXPECT_EQ(action("ME_EditUndo").text(), "Undo Node data changes");
  EXPECT_TRUE(caption().endsWith(" *"));

  QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(bulkhead().Nodes.at(1), before);
  EXPECT_FALSE(action("ME_EditUndo").isEnabled());
  EXPECT_EQ(action("ME_EditUndo").text(), "&Undo");
  EXPECT_EQ(action("ME_EditRedo").text(), "Redo Node data changes");
  EXPECT_FALSE(caption().endsWith(" *"));

  QTest::keyClick(&window_, Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(1).Y, 40.0F);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(1).Z, 30.0F);
  EXPECT_TRUE(caption().endsWith(" *"));
  EXPECT_FALSE(action("ME_EditRedo").isEnabled());
}

TEST_F(MainWindow, UndoInAFieldWithATypedValuePutsBackTheFieldOnly) {
  pressTool(2);
  NumberField& position = *control<NumberField>(*control<QWidget>(window_, "FM_Prim"), "FTX_m");
  typeInto(position, "8");
  action("ME_RefreshSection").trigger();
  ASSERT_FLOAT_EQ(bulkhead().PrimaryMembers.at(1).Position, 8.0F);

  position.setFocus();
  position.selectAll();
  QTest::keyClicks(&position, "9");
  QTest::keyClick(&position, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(position.text(), "8");
  EXPECT_TRUE(action("ME_EditUndo").isEnabled());
  control<QWidget>(window_, "CB_HorVer")->setFocus();  // leaving commits nothing
  EXPECT_EQ(session_.edited().undoLevels(), 1U);

  // Without a typed value of its own, Undo is the arrangement's.
  QTest::keyClick(&position, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(bulkhead().PrimaryMembers.at(1).Position, 7.2F);
  EXPECT_EQ(position.text(), "7.2");
}

TEST_F(MainWindow, TabGoesFromTheBulkheadSelectorIntoThePanelAndLastToTheMessages) {
  auto* selector = control<QWidget>(window_, "CB_Panel");
  selector->setFocus();
  QTest::keyClick(selector, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "FTX_Name");
  control<QWidget>(window_, "OP_UpStoolSloped")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "CB_Error");
}

// A refused value stays where it was typed, selected, with its range in the
// status line, whichever way the field is left, until it is taken back.
TEST_F(MainWindow, AValueOutOfItsRangeIsRefusedAloudAndNothingRecorded) {
  NumberField& top = *control<NumberField>(window_, "FTX_m_1");
  ASSERT_TRUE(top.isEnabled());
  const QString shown = top.text();
  auto* state = control<QLabel>(window_, "PAN_State");
  typeInto(top, "1000");
  QTest::keyClick(&top, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), &top);
  EXPECT_EQ(top.selectedText(), "1000");
  EXPECT_EQ(state->text(), "Upper stool Z : f" + top.rangeText().mid(1));
  EXPECT_FALSE(session_.canUndo());
  EXPECT_FALSE(caption().endsWith(" *"));
  QTest::keyClick(&top, Qt::Key_Escape);
  EXPECT_EQ(top.text(), shown);
  EXPECT_EQ(state->text(), "");
}

// Neither a tool, a step button nor the drawing takes the focus from a field being typed in.
TEST_F(MainWindow, AValueStillBeingTypedIsSettledBeforeAToolOrAClickInTheDrawing) {
  pressTool(1);
  NumberField& y = *nodeField(0);
  const auto typeWithoutLeaving = [&y](const char* text) {
    y.setFocus();
    y.selectAll();
    QTest::keyClicks(&y, text);
  };
  typeWithoutLeaving("2.5");
  action("SS_File_0").trigger();
  EXPECT_FALSE(caption().endsWith(" *"));
  Arrangement read;
  ASSERT_TRUE(readZelBlock(database_, 1, read).found());
  EXPECT_FLOAT_EQ(read.Bulkheads.at(1).Nodes.at(1).Y, 2.5F);

  typeWithoutLeaving("1.5");
  QTest::mouseClick(control<QWidget>(window_, "BT_Inode_1"), Qt::LeftButton);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(1).Y, 1.5F);

  typeWithoutLeaving("0.5");
  QTest::mouseClick(control<QWidget>(window_, "PIC_Section"), Qt::LeftButton);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(2).Y, 0.5F);
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  int count = 0;
};

// The drawing is asked for while the windows are filled, and painted once
// they are: a selection moved (a span picked) shows at once.
TEST_F(MainWindow, TheDrawingFollowsARefreshThatAsksForIt) {
  QWidget& surface = *control<QWidget>(window_, "PIC_Section");
  QApplication::processEvents();
  PaintCounter paints(surface);
  session_.moveSelection(selectionOf(session_.arrangement()), Follow::Redraw);
  QApplication::processEvents();
  EXPECT_GT(paints.count, 0);
}

// A file edited by hand can hold a name longer than the database keeps.
TEST_F(MainWindow, ALongBulkheadNameLeavesTheDrawingItsRoom) {
  changeFirstBulkhead(
      session_, [](Bulkhead& b) { b.Name = std::string(300, 'X'); },
      kRefreshAll | Follow::Selector);
  QApplication::processEvents();
  EXPECT_LE(window_.minimumSizeHint().width(), 1280);
  EXPECT_GE(control<QWidget>(window_, "PIC_Section")->width(), 640);
}

TEST_F(MainWindow, ChoosingAMessageGoesToItsObject) {
  pressTool(2);
  NumberField& position = *control<NumberField>(*control<QWidget>(window_, "FM_Prim"), "FTX_m");
  typeInto(position, "99");  // above the bulkhead: kept as typed and reported
  pressTool(1);
  auto* messages = control<QComboBox>(window_, "CB_Error");
  const int row = messages->findText(
      "Primary supporting member 2 in 'Plane bulkhead holds 3/4' at z 99 m lies outside",
      Qt::MatchStartsWith);
  ASSERT_GE(row, 0);
  choose(*messages, row);
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::PrimaryMembers);
  EXPECT_EQ(bulkhead().CurPrim, 2);
  EXPECT_TRUE(action("SS_Objects_2").isChecked());

  // The compartment panel keeps its side itself: the message shows the aftward one.
  pressTool(6);
  auto& sides = *control<QComboBox>(*control<QWidget>(window_, "FM_Comp"), "CB_ForeAft");
  choose(sides, 0);
  pressTool(1);
  changeFirstBulkhead(session_, [](Bulkhead& b) { b.Compartments.at(2).Points.at(1).B = -2; });
  choose(*messages, messages->findText("Filling level 1 of 'Cargo hold 4 (ballast hold)': "
                                       "free surface breadth -2 m is not plausible"));
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::Compartments);
  EXPECT_EQ(sides.currentIndex(), 1);
}

TEST_F(MainWindow, EveryPanelShowsItsControlsWhole) {
  for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
    window_.resize(size);
    // The last press lets the bulkhead tool go: the display panel.
    for (const int tool : {1, 2, 3, 5, 6, 0, 0}) {
      pressTool(tool);
      QApplication::processEvents();
      for (QWidget* shown : control<QWidget>(window_, "PanelArea")->findChildren<QWidget*>()) {
        if (!shown->isVisible() || qobject_cast<QAbstractButton*>(shown) != nullptr) continue;
        EXPECT_GE(shown->width(), shown->minimumSizeHint().width())
            << shown->objectName().toStdString() << " at " << size.width() << " on tool " << tool;
      }
    }
  }
}

TEST_F(MainWindow, TheZoomToolTakesThePanelPlaceAndTheMenuFollowsIt) {
  action("SS_Select_0").trigger();
  EXPECT_EQ(session_.display().Tool, kZoomTool);
  EXPECT_EQ(action("ME_Zoom").text(), "E&xit zoom");
  EXPECT_TRUE(control<QWidget>(window_, "FM_Display")->isVisible());
  action("ME_Zoom").trigger();
  EXPECT_EQ(session_.display().Tool, kPickTool);
  EXPECT_TRUE(control<QWidget>(window_, "FM_Bh")->isVisible());
}

TEST_F(MainWindow, EveryCheckViewShowsItsLegendOverEveryBulkheadThenTheObjectPanelShowsTheFirst) {
  const std::pair<const char*, Long> checks[] = {
      {"ME_CheckMatStrakes", check_mode::kMaterial},
      {"ME_CheckMatStiffeners", check_mode::kMaterial},
      {"ME_CheckThick", check_mode::kThickness},
      {"ME_CheckSecond", check_mode::kScantling},
      {"ME_CheckBracket", check_mode::kBracketScantling},
      {"ME_BracketLength", check_mode::kBracketLength},
      {"ME_SpanRed", check_mode::kSpanReduction},
      {"ME_stiffconn", check_mode::kConnection},
      {"ME_SectionModulus", check_mode::kSectionModulus}};
  for (const auto& [item, mode] : checks) {
    SCOPED_TRACE(item);
    action(item).trigger();
    QWidget* panel = control<QWidget>(window_, "FM_Mat");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(control<QLabel>(*panel, "SS_Title")->text().toStdString(), checkTitle(mode));
    // Which swatch shows which entry is the check view's rule, tested in the core.
    const std::size_t shown = legendSwatches(session_.display().CurrentLegend).size();
    ASSERT_GT(shown, 0U);
    for (std::size_t k = 0; k < kLegendSwatchCount; ++k) {
      EXPECT_EQ(control<QLabel>(*panel, "LB_Mat_" + QString::number(k))->isVisible(), k < shown);
    }
    EXPECT_EQ(arrangement().CurBulkhead, 0);
    EXPECT_FALSE(action("SS_Objects_0").isChecked());
  }
  // Colouring by a check changes nothing the user would save or undo.
  EXPECT_FALSE(session_.canUndo());
  EXPECT_FALSE(session_.hasUnsavedChanges());
  pressTool(0);
  EXPECT_EQ(arrangement().CurBulkhead, 1);
  EXPECT_TRUE(control<QWidget>(window_, "FM_Bh")->isVisible());
}

// Whether to leave unsaved work is the session's question, tested in the app layer; here Quit and
// Open ask it, and keep or drop the work as answered.
TEST_F(MainWindow, QuitAndOpenAfterTwoEditsAndAnUndoAskAndCancelKeepsEverything) {
  typeInto(*control<CommitField>(window_, "FTX_Name"), "Renamed");
  typeInto(*control<CommitField>(window_, "FTX_Name"), "Renamed twice");
  action("ME_EditUndo").trigger();
  ASSERT_EQ(bulkhead().Name, "Renamed");
  EXPECT_EQ(control<QComboBox>(window_, "CB_Panel")->currentText(), "1 - Renamed");
  prompt_.answers = {Answer::Cancel, Answer::Cancel};
  EXPECT_FALSE(window_.close());
  EXPECT_TRUE(window_.isVisible());
  EXPECT_FALSE(window_.openArrangement());
  EXPECT_EQ(bulkhead().Name, "Renamed");
  EXPECT_TRUE(session_.hasUnsavedChanges());
  EXPECT_EQ(prompt_.messages.size(), 2U);

  prompt_.answers = {Answer::No};
  answerNextDialog("FM_SelSec", "BT_Ok", [](QWidget& dialog) {
    dialog.findChild<QListWidget*>("LI_Sections")->setCurrentRow(1);
  });
  ASSERT_TRUE(window_.openArrangement());
  EXPECT_EQ(session_.database().BlockNumber, 2);
  EXPECT_EQ(arrangement().Bulkheads.at(1).Typ, 2);
  EXPECT_FALSE(session_.hasUnsavedChanges());
  EXPECT_EQ(readFile(database_), exampleDatabase());
  EXPECT_TRUE(window_.close());
}

// The chosen items only; the weights and net moduli at the density and deduction of the
// session's preferences.
TEST_F(MainWindow, TheReportPrintsToAPdfFileWithTheChosenItemsAndThePreferredSteel) {
  PathConfig paths = session_.run().paths;
  paths.SteelDensity = 7.9F;
  paths.ThicknessDeduction = 1.5F;
  session_.setPaths(paths);
  const std::string pdf = scratch_.file("report.pdf");
  prompt_.fileAnswers = {pdf};
  answerNextDialog("FM_Print", "BT_Ok", [](QWidget& dialog) {
    dialog.findChild<QPushButton*>("BT_All_1")->click();
    auto* items = dialog.findChild<QListWidget*>("LI_Print");
    for (const int item : {3, 4, 10}) items->item(item)->setSelected(true);
    choosePdfFile(dialog);
  });
  action("ME_PrintData").trigger();
  ASSERT_TRUE(std::filesystem::exists(pdf));
  const QString text = pdfText(pdf);
  for (const std::string& printed :
       {reportItemName(3), reportItemName(4), std::string("Steel density 7.90 t/m³"),
        std::string("net with 1.5 mm off every thickness")}) {
    EXPECT_TRUE(text.contains(QString::fromStdString(printed))) << printed;
  }
  EXPECT_FALSE(text.contains(QString::fromStdString(reportItemName(6))));
}

TEST_F(MainWindow, ThePreviewBrowsesEveryPageOfTheReport) {
  int pagesSeen = 0;
  answerNextDialog("FM_Print", "BT_Preview",
                   [](QWidget& dialog) { dialog.findChild<QPushButton*>("BT_All_0")->click(); });
  answerNextDialog("FM_PrintScreen", "BT_Print_2", [&pagesSeen](QWidget& browser) {
    auto* next = browser.findChild<QPushButton*>("BT_Print_0");
    // Its buttons are in sight on a small screen too.
    EXPECT_LE(browser.height(), browser.screen()->availableGeometry().height());
    EXPECT_FALSE(browser.findChild<QPushButton*>("BT_Print_1")->isEnabled());
    for (pagesSeen = 1; next->isEnabled(); ++pagesSeen) next->click();
    EXPECT_TRUE(browser.findChild<QPushButton*>("BT_Print_1")->isEnabled());
  });
  action("SS_File_1").trigger();
  EXPECT_GT(pagesSeen, 1);
}

TEST_F(MainWindow, CopyPutsTheDrawingOnTheClipboardAsPictureAndSvg) {
  QGuiApplication::clipboard()->clear();
  action("ME_EditCopy").trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), window_.drawing().size());
  EXPECT_TRUE(data->data(kSvgMimeType).contains("<svg"));
}

TEST_F(MainWindow, ARememberedPanelWidthLeavesTheDrawingAThird) {
  const int total = control<QSplitter>(window_, "SPL_Main")->width();
  const std::pair<int, int> cases[] = {
      {300, 300}, {total, total - total / 3}, {100000, total - total / 3}};
  for (const auto& [remembered, shown] : cases) {
    window_.setPanelWidth(remembered);
    EXPECT_NEAR(window_.panelWidth(), shown, 1) << remembered;
  }
}

TEST(MainWindowWithoutArrangement, NothingCanBeSavedPrintedOrExportedUntilOneIsMade) {
  Session session;
  ScriptedPrompt prompt;
  openDatabase(session, KORAIN_EXAMPLES "/bulk_carrier.ko2");
  FM_Main window(session, prompt);
  window.show();
  answerNextDialog("FM_NewZel", "BT_Cancel");
  EXPECT_FALSE(window.newArrangement());
  for (const char* name : {"ME_Save", "ME_SaveAs", "SS_File_0", "ME_PrintData", "SS_File_1",
                           "ME_Plot", "ME_ExportDrawing", "SS_AddDel_0", "SS_Objects_0"}) {
    EXPECT_FALSE(control<QAction>(window, name)->isEnabled()) << name;
  }
  EXPECT_FALSE(window.save());
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
  EXPECT_EQ(session_.database().BlockNumber, blocks + 1);
  EXPECT_EQ(countBlocks(readFile(database_)), blocks + 1);
  EXPECT_FALSE(caption().endsWith(" *"));

  action("SS_AddDel_0").trigger();
  action("SS_File_0").trigger();
  EXPECT_EQ(countBlocks(readFile(database_)), blocks + 1);
  Arrangement read;
  ASSERT_TRUE(readZelBlock(database_, static_cast<Integer>(blocks + 1), read).found());
  EXPECT_EQ(read.Bulkheads.count(), 1);
}

// The section's findings stay listed under the new arrangement: they are added
// after the refresh that recomputes its geometry and empties the list.
TEST_F(MainWindow, NewArrangementFromASectionListsWhatItsGeometryFound) {
  writeFile(database_, readFile(KORAIN_TEST_DATA "/hand_sections.ko2"));
  openDatabase(session_, database_);
  answerNextDialog("FM_NewZel", "BT_Ok", [](QWidget& dialog) {
    auto& list = *dialog.findChild<QListWidget*>("LI_Sections");
    list.setCurrentRow(1);
  });
  answerNextDialog("FM_MainData", "BT_Cancel");
  ASSERT_TRUE(window_.newArrangement());
  EXPECT_EQ(arrangement().Name, "Bulkhead from Bilge Fr 40");
  auto* messages = control<QComboBox>(window_, "CB_Error");
  // The section's finding is listed after the imported bulkhead's own warnings.
  ASSERT_GE(messages->count(), 1);
  EXPECT_EQ(messages->itemText(messages->count() - 1),
            "Panel 1: strake 1 does not end on the panel");
}

TEST_F(MainWindow, BulkheadStepsWrapAroundAndUndoBringsTheSelectionBack) {
  EXPECT_FALSE(action("ME_NextPanel").isEnabled());  // a single bulkhead
  action("SS_AddDel_0").trigger();
  action("SS_AddDel_0").trigger();
  action("ME_NextPanel").trigger();
  EXPECT_EQ(arrangement().CurBulkhead, 1);
  action("ME_PreviousPanel").trigger();
  EXPECT_EQ(arrangement().CurBulkhead, 3);
  EXPECT_EQ(session_.undoLabel(), "Add Bulkhead");  // choosing is no change

  auto* selector = control<QComboBox>(window_, "CB_Panel");
  choose(*selector, 1);
  prompt_.answers = {Answer::Yes};
  action("SS_AddDel_1").trigger();
  EXPECT_EQ(arrangement().Bulkheads.count(), 2);
  action("ME_EditUndo").trigger();
  EXPECT_EQ(arrangement().CurBulkhead, 2);
  EXPECT_EQ(selector->currentIndex(), 1);
  EXPECT_EQ(control<CommitField>(window_, "FTX_Name")->text(), "New Bulkhead 2");
}

TEST(EditorStartup, CorruptDatabaseAndMissingBlockAreToldAndStartUpGoesOn) {
  const CurrentFolderGuard folder;  // start-up makes the data folder current
  ScratchFolder scratch;
  const std::string corrupt = scratch.file("corrupt.ko2");
  writeFile(corrupt, "not a database\n\x01\x02 garbage\n");
  const std::string database = scratch.file("ship.ko2");
  writeFile(database, exampleDatabase());
  struct Case {
    std::string line;
    Integer block;
    std::size_t messages;
  };
  for (const Case& c :
       {Case{corrupt + " 1", 0, 2}, Case{database + " 9", 0, 1}, Case{database + " 2", 2, 0}}) {
    Session session;
    ScriptedPrompt prompt;
    const StartedEditor started = startEditor(session, prompt,
                                              {.commandLine = argumentsOf("/V " + c.line),
                                               .iniPath = scratch.ini(),
                                               .programFolder = scratch.path()});
    ASSERT_NE(started.window, nullptr) << c.line;
    EXPECT_TRUE(started.window->isVisible());
    EXPECT_EQ(session.run().paths.ArrangementNumber, c.block) << c.line;
    EXPECT_EQ(prompt.messages.size(), c.messages) << c.line;
    EXPECT_EQ(readFile(database), exampleDatabase());
  }
}

}  // namespace
}  // namespace korain::testing
