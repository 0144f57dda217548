// The tables that paste, driven through the clipboard as a user does: the node
// table, the stiffener list and the level grid take rows as one change, refuse
// a bad line aloud with nothing applied, and copy their rows out.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>
#include <memory>

#include "dialogs/fm_res_kora.h"
#include "edit/compartment_edits.h"
#include "edit/paste_edits.h"
#include "model/compartment_tables.h"
#include "panels/fm_node.h"
#include "panels/fm_second.h"
#include "ui_test_support.h"
#include "view/node_table.h"

namespace korain {
namespace {

void pasteInto(QWidget& view, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
}

QString copyFrom(QWidget& view) {
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  return QGuiApplication::clipboard()->text();
}

class NodeTable : public testing::PanelTest<FM_Node> {
 protected:
  QTableWidget& table() { return *find<QTableWidget>("TB_Nodes"); }
  std::vector<std::vector<float>> rows() {
    return nodeTableRows(bulkhead(), 1, bulkhead().Nodes.count());
  }
  void emptyTheContour() {
    session().change({.label = "No nodes",
                      .scope = EditScope::bulkhead(1),
                      .edit = [](Arrangement& a) { a.Bulkheads.at(1).Nodes.clear(); }});
  }
};

TEST_F(NodeTable, SixNodesPastedIntoAnEmptyBulkheadAreOneUndoStep) {
  emptyTheContour();
  pasteInto(table(), "Y\tZ\n0\t0\n12,5\t0\n14\t1,5\t4\t1,5\n14\t18\n0\t18\n0\t0\n");
  ASSERT_EQ(bulkhead().Nodes.count(), 6);
  EXPECT_EQ(table().rowCount(), 6);
  EXPECT_EQ(table().item(2, 4)->text(), "1.5");
  EXPECT_EQ(table().item(5, 0)->text(), "6");
  EXPECT_EQ(session().undoLabel(), "Paste nodes");
  ASSERT_TRUE(session().undo());
  EXPECT_EQ(bulkhead().Nodes.count(), 0);
}

// What the table copies out, pasted after the last node, comes back node for node.
TEST_F(NodeTable, ChosenRowsCopiedOutComeBackWhenPasted) {
  const int count = bulkhead().Nodes.count();
  table().setCurrentCell(1, 0);
  table().selectRow(1);
  table().setRangeSelected({1, 0, 3, table().columnCount() - 1}, true);
  const QString copied = copyFrom(table());
  EXPECT_EQ(copied.count('\n'), 3) << copied.toStdString();
  table().clearSelection();
  pasteInto(table(), copied);
  ASSERT_EQ(bulkhead().Nodes.count(), count + 3);
  const auto all = rows();
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(all[static_cast<std::size_t>(count) + k], all[1 + k]);
  }
}

TEST_F(NodeTable, ChosenRowsAreReplaced) {
  const std::vector<std::vector<float>> before = rows();
  table().selectAll();
  pasteInto(table(), "0;0\n5;0\n5;5");
  EXPECT_EQ(rows(), (std::vector<std::vector<float>>{
                        {0, 0, 0, 0, 0, 0}, {5, 0, 1, 0, 0, 0}, {5, 5, 1, 0, 0, 0}}));
  ASSERT_TRUE(session().undo());
  EXPECT_EQ(rows(), before);
}

TEST_F(NodeTable, ABadLineIsRefusedWithItsNumberAndNothingApplied) {
  const std::vector<std::vector<float>> before = rows();
  for (const QString& text : {QString("0 0\n1 zero"), QString("0 0\n1 0\n2 0 9")}) {
    prompt().messages.clear();
    pasteInto(table(), text);
    EXPECT_EQ(rows(), before);
    EXPECT_FALSE(session().canUndo());
    ASSERT_EQ(prompt().messages.size(), 1U);
    EXPECT_EQ(prompt().messages[0].rfind("Nothing was pasted. Line ", 0), 0U)
        << prompt().messages[0];
  }
}

// A cell is the node's own field: the same change, the same refusal.
TEST_F(NodeTable, ACellTypedInIsTheNodeFieldsChange) {
  QTableWidget& t = table();
  t.item(2, 1)->setText("7,25");
  EXPECT_EQ(bulkhead().Nodes.at(3).Y, 7.25F);
  EXPECT_EQ(bulkhead().CurNode, 3);
  EXPECT_EQ(session().undoLabel(), "Node data changes");
  EXPECT_EQ(find<NumberField>("FTX_m_0")->text(), "7.25");
  const Long code = bulkhead().Nodes.at(3).ShCur;
  t.item(2, 3)->setText("9");
  EXPECT_EQ(bulkhead().Nodes.at(3).ShCur, code);
  EXPECT_EQ(t.item(2, 3)->text(), QString::number(code));
}

TEST_F(NodeTable, TheCurrentRowFollowsTheCurrentNode) {
  button("BT_Inode_1")->click();
  EXPECT_EQ(table().currentRow(), 1);
  table().setCurrentCell(4, 1);
  EXPECT_EQ(bulkhead().CurNode, 5);
  EXPECT_EQ(text("LB_Plate"), "5");
}

// The example's 18 vertical stiffeners stand 0.8 m apart up to y 14.4.
class StiffenerList : public testing::PanelTest<FM_Second> {
 protected:
  QListWidget& list() { return *find<QListWidget>("LI_Stiff"); }
  std::vector<Single> positions(bool selectedOnly) {
    std::vector<Single> found;
    for (const OrdinaryStiffener& s : bulkhead().Stiffeners) {
      if (s.Selected || !selectedOnly) found.push_back(s.Position);
    }
    return found;
  }
};

TEST_F(StiffenerList, AColumnOfPositionsMovesTheSelectedAndAddsTheRest) {
  const std::vector<Single> before = positions(false);
  list().selectionModel()->select(
      QItemSelection(list().model()->index(1, 0), list().model()->index(2, 0)),
      QItemSelectionModel::ClearAndSelect);
  pasteInto(list(), "1,7\n2,5\n15,2\n");
  EXPECT_EQ(session().undoLabel(), "Paste stiffener positions");
  EXPECT_EQ(positions(true), (std::vector<Single>{1.7F, 2.5F, 15.2F}));
  EXPECT_EQ(list().count(), 19);
  EXPECT_EQ(list().selectedItems().size(), 3);
  const PasteReading copied = readPastedTable(copyFrom(list()).toStdString(), kPositionRowShape);
  ASSERT_TRUE(std::holds_alternative<std::vector<PastedRow>>(copied));
  EXPECT_EQ(std::get<std::vector<PastedRow>>(copied).size(), 3U);
  ASSERT_TRUE(session().undo());
  EXPECT_EQ(positions(false), before);
}

TEST_F(StiffenerList, ABadLineIsRefusedWithItsNumberAndNothingApplied) {
  const std::vector<Single> before = positions(false);
  list().clearSelection();
  for (const QString& text : {QString("15.2\n15.6 2"), QString("15.2\n0.8")}) {
    prompt().messages.clear();
    pasteInto(list(), text);
    EXPECT_EQ(positions(false), before);
    EXPECT_FALSE(session().canUndo());
    ASSERT_EQ(prompt().messages.size(), 1U);
    EXPECT_EQ(prompt().messages[0].rfind("Nothing was pasted. Line 2: ", 0), 0U)
        << prompt().messages[0];
  }
}

class ResonanceGrid : public testing::ExampleTest {
 protected:
  // The aftward compartment 18 m high with levels at 4 and 8 m, as the file had it.
  void SetUp() override {
    ExampleTest::SetUp();
    session().amend(EditScope::bulkhead(1), [](Arrangement& a) {
      Compartment& c = a.Bulkheads.at(1).Compartments.at(kAftwardCompartment);
      c.Table1.at(kHeightEntry) = 18;
      c.Table1.at(kEffectiveLengthEntry) = 25;
      c.Table1.at(kEffectiveBreadthEntry) = 30;
      c.Points = {};
      c.Points.append({4, 20, 21});
      c.Points.append({8, 22, 23});
    });
    dialog_ = std::make_unique<FM_ResKora>(editor, kAftwardCompartment);
  }
  const List<FillingPoint>& levels() { return compartment(kAftwardCompartment).Points; }

  FM_ResKora& dialog() { return *dialog_; }
  QTableWidget& grid() { return *testing::control<QTableWidget>(*dialog_, "SS_Res"); }

 private:
  std::unique_ptr<FM_ResKora> dialog_;
};

TEST_F(ResonanceGrid, ABlockOfLevelsPastedIsOneUndoStepOnOk) {
  grid().clearSelection();
  pasteInto(grid(), "Level\tLength\tBreadth\n9\t26\t27\n12,5\n");
  ASSERT_EQ(grid().rowCount(), 4);
  EXPECT_EQ(dialog().windowTitle(), "Resonance *");
  EXPECT_EQ(grid().item(3, 1)->text(), "25");
  testing::click(dialog(), "BT_ok");
  EXPECT_EQ(session().undoLabel(), "Compartment resonance changes");
  const std::vector<FillingPoint> expected = {
      {4, 20, 21}, {8, 22, 23}, {9, 26, 27}, {12.5F, 25, 30}};
  EXPECT_EQ(std::vector<FillingPoint>(levels().begin(), levels().end()), expected);
  ASSERT_TRUE(session().undo());
  EXPECT_EQ(levels().count(), 2);
}

TEST_F(ResonanceGrid, ABadLineIsRefusedWithItsNumberAndNothingApplied) {
  grid().setCurrentCell(0, 0);
  pasteInto(grid(), "9\n10 1 2 3");
  ASSERT_EQ(prompt().messages.size(), 1U);
  EXPECT_EQ(prompt().messages[0], "Nothing was pasted. Line 2: 4 values where 3 at most are taken");
  EXPECT_EQ(grid().rowCount(), 2);
  EXPECT_EQ(dialog().windowTitle(), "Resonance");
}

// The share column shows each level against the height, and takes a share typed or pasted.
TEST_F(ResonanceGrid, LevelsAsAShareOfTheTanksHeight) {
  EXPECT_EQ(grid().horizontalHeaderItem(3)->text(), "% of height");
  EXPECT_EQ(grid().item(0, 3)->text(), "22.22");
  grid().item(1, 3)->setText("50");
  EXPECT_EQ(grid().item(1, 0)->text(), "9");
  grid().setCurrentCell(0, 3);
  pasteInto(grid(), "95");
  EXPECT_EQ(grid().item(0, 0)->text(), "17.1");
  EXPECT_EQ(grid().item(0, 3)->text(), "95");
  testing::click(dialog(), "BT_ok");
  EXPECT_FLOAT_EQ(levels().at(1).H, 17.1F);
  EXPECT_EQ(levels().at(2).H, 9);
}

}  // namespace
}  // namespace korain
