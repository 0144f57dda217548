// The messages window beside the status bar's one-line list: every message of
// the latest computation however many, filtered and ordered, counted in the
// status bar, a double click or Enter going to the object, every edit followed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/messages_window.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

enum Column { kSeverity, kBulkhead, kObject, kText };

class MessagesWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_FALSE(dock().isVisible());  // until asked for
    QTest::keyClick(&window_, Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(dock().isVisible());
  }

  QDockWidget& dock() { return *control<QDockWidget>(window_, "DW_Messages"); }
  QTreeView& list() { return *control<QTreeView>(window_, "LI_Messages"); }
  QAbstractItemModel& rows() { return *list().model(); }
  QString cell(int row, int c) { return rows().index(row, c).data().toString(); }
  QString countPane() { return control<QLabel>(window_, "PAN_MessageCount")->text(); }
  const Bulkhead& bulkhead() { return session_.arrangement().Bulkheads.at(1); }
  void choose(const char* box, const char* item) {
    auto& list = *control<QComboBox>(window_, box);
    testing::choose(list, list.findText(item));
  }
  QStringList column(int c) {
    QStringList texts;
    for (int row = 0; row < rows().rowCount(); ++row) texts.push_back(cell(row, c));
    return texts;
  }
  QModelIndex rowAbout(const QString& object) {
    const int row = static_cast<int>(column(kObject).indexOf(object));
    EXPECT_GE(row, 0) << object.toStdString();
    return rows().index(std::max(row, 0), 0);
  }
};

TEST_F(MessagesWindowTest, ListsEveryMessageWhereTheStatusBarKeepsFortyFilteredAndOrdered) {
  // Every stiffener and strake without thickness, node 3 out of its arc's reach.
  changeFirstBulkhead(session_, [](Bulkhead& b) {
    for (OrdinaryStiffener& stiffener : b.Stiffeners) stiffener.Scant.E1 = 0;
    for (StrakeBand& band : b.StrakeBands) {
      for (Strake& strake : band.Strakes) strake.Th = 0;
    }
    b.Nodes.at(3).Y = 40;
    b.Nodes.at(3).Z = 30;
  });
  QStringList texts;
  for (const Message& m : session_.allMessages()) {
    texts.push_back(QString::fromStdString(m.text));
  }
  ASSERT_GT(texts.size(), 40);
  EXPECT_EQ(column(kText), texts);
  EXPECT_EQ(control<QComboBox>(window_, "CB_Error")->count(), 40);
  const QRegularExpressionMatch count =
      QRegularExpression(R"(^(\d+) errors?, (\d+) warnings? \((\d+) not in the list\)$)")
          .match(countPane());
  ASSERT_TRUE(count.hasMatch()) << countPane().toStdString();
  const int errors = count.captured(1).toInt();
  EXPECT_GE(errors, 1);
  EXPECT_EQ(errors + count.captured(2).toInt(), texts.size());
  EXPECT_EQ(count.captured(3).toInt(), texts.size() - 40);

  // Which rows each filter and order give is the rows' rule, tested in the core.
  choose("CB_MessageFilter", "Errors");
  EXPECT_EQ(column(kSeverity), QStringList(errors, "Error"));
  choose("CB_MessageFilter", "All messages");
  choose("CB_MessageOrder", "Errors first");
  EXPECT_EQ(column(kSeverity).mid(0, errors), QStringList(errors, "Error"));
  EXPECT_FALSE(column(kSeverity).mid(errors).contains("Error"));
}

TEST_F(MessagesWindowTest, ADoubleClickOrEnterGoesToTheRowsObject) {
  changeFirstBulkhead(session_, [](Bulkhead& b) {
    b.Stiffeners.at(5).Scant.E1 = 0;
    b.PrimaryMembers.at(2).Position = 99;  // above the bulkhead: named where it was typed
  });
  const QModelIndex stiffener = rowAbout("Ordinary stiffener 5");
  list().scrollTo(stiffener);
  // A double click as the mouse gives it: a click, then the second press.
  const QPoint at = list().visualRect(stiffener).center();
  QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::OrdinaryStiffeners);
  for (int k = 1; k <= bulkhead().Stiffeners.count(); ++k) {
    EXPECT_EQ(bulkhead().Stiffeners.at(k).Selected, k == 5) << k;
  }

  // The member chosen and its tool pressed: the status bar's list goes the same way, checked there.
  list().setCurrentIndex(rowAbout("Primary member 2"));
  QTest::keyClick(&list(), Qt::Key_Return);
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::PrimaryMembers);
}

// A check panel keeps no bulkhead current; a message chosen from it still goes
// to its own bulkhead, not to the first.
TEST_F(MessagesWindowTest, AMessageChosenOnACheckPanelGoesToItsBulkhead) {
  session_.change({.label = "test",
                   .scope = EditScope::all(),
                   .edit =
                       [](Arrangement& a) {
                         Bulkhead copy = a.Bulkheads.at(1);
                         copy.Stiffeners.at(5).Scant.E1 = 0;
                         a.Bulkheads.append() = copy;
                       },
                   .follow = kRefreshAll});
  session_.showPanel(PanelCode::StiffenerChecks, kRefreshAll);
  int row = 0;
  while (row < rows().rowCount() && cell(row, kBulkhead) != "2") ++row;
  ASSERT_LT(row, rows().rowCount()) << "no message about bulkhead 2";
  list().setCurrentIndex(rows().index(row, 0));
  QTest::keyClick(&list(), Qt::Key_Return);
  EXPECT_EQ(session_.display().CurrentPanel, PanelCode::OrdinaryStiffeners);
  EXPECT_EQ(session_.arrangement().CurBulkhead, 2);
}

TEST_F(MessagesWindowTest, FollowsAnEditAndItsUndo) {
  action("SS_Objects_1").trigger();
  ASSERT_EQ(bulkhead().CurNode, 1);
  typeInto(*control<NumberField>(*control<QWidget>(window_, "FM_Node"), "FTX_m_0"), "5");
  const QStringList opened = {"Error", "1", "Bulkhead", "Bulkhead 1 is not closed"};
  const int row = static_cast<int>(column(kText).indexOf("Bulkhead 1 is not closed"));
  EXPECT_EQ(QStringList({cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3)}), opened);
  EXPECT_TRUE(countPane().startsWith("1 error,")) << countPane().toStdString();

  action("ME_EditUndo").trigger();
  EXPECT_FALSE(column(kText).contains(opened.back()));
  EXPECT_TRUE(countPane().startsWith("0 errors,")) << countPane().toStdString();

  // Hidden, it lists nothing new until it is shown again, then what the edits left.
  QTest::keyClick(&window_, Qt::Key_M, Qt::ControlModifier);
  ASSERT_FALSE(dock().isVisible());
  action("ME_EditRedo").trigger();
  EXPECT_TRUE(countPane().startsWith("1 error,")) << countPane().toStdString();
  QTest::keyClick(&window_, Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(column(kText).contains(opened.back()));
}

TEST_F(MessagesWindowTest, StandsWhereItWasLeftWithAShortcutOfItsOwn) {
  const MessagesWindowPlace right{.shown = true, .side = DockSide::Right, .size = 300};
  window_.setMessagesWindowPlace(right);
  QApplication::processEvents();
  const MessagesWindowPlace told = window_.messagesWindowPlace();
  EXPECT_EQ(std::pair(told.shown, told.side), std::pair(right.shown, right.side));
  EXPECT_NEAR(told.size, right.size, 8);
  std::map<QString, QString> owners;  // Ctrl+M, like every shortcut, is one command's
  for (const QAction* command : window_.findChildren<QAction*>()) {
    for (const QKeySequence& key : command->shortcuts()) {
      EXPECT_TRUE(owners.emplace(key.toString(), command->objectName()).second)
          << key.toString().toStdString() << " " << command->objectName().toStdString();
    }
  }
  EXPECT_EQ(owners[QKeySequence(Qt::CTRL | Qt::Key_M).toString()], "ME_Messages");
}

}  // namespace
}  // namespace korain::testing
