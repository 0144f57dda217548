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
#include "model/compartment_tables.h"
#include "panels/fm_node.h"
#include "panels/fm_second.h"
#include "ui_test_support.h"
#include "view/node_table.h"

namespace korain {
namespace {

void pasteInto(QWidget& view, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
}

QString copyFrom(QWidget& view) {
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  return QGuiApplication::clipboard()->text();
}

// A paste refused: nothing changed, no undo step, one message naming the line.
template <typename Shown>
void expectRefused(testing::TestEditor& editor, QWidget& view, const QString& text,
                   const std::string& line, Shown shown) {
  const auto before = shown();
  editor.scriptedPrompt().messages.clear();
  pasteInto(view, text);
  EXPECT_EQ(shown(), before) << text.toStdString();
  EXPECT_FALSE(editor.session().canUndo());
  EXPECT_EQ(editor.scriptedPrompt().messages,
            std::vector<std::string>{"Nothing was pasted. Line " + line});
}

class NodeTable : public testing::PanelTest<FM_Node> {
 protected:
  QTableWidget& table() { return *find<QTableWidget>("TB_Nodes"); }
  std::vector<std::vector<float>> rows() {
    return nodeTableRows(bulkhead(), 1, bulkhead().Nodes.count());
  }
};

// Copied out and pasted into an empty contour, the nodes come back node for node.
TEST_F(NodeTable, RowsCopiedOutPasteIntoAnEmptyContourAsOneUndoStep) {
  const auto before = rows();
  table().selectAll();
  const QString copied = copyFrom(table());
  EXPECT_EQ(copied.count('\n'), 8);
  session().change({.label = "No nodes",
                    .scope = EditScope::bulkhead(1),
                    .edit = [](Arrangement& a) { a.Bulkheads.at(1).Nodes.clear(); }});
  pasteInto(table(), copied);
  EXPECT_EQ(rows(), before);
  EXPECT_EQ(table().item(7, 0)->text(), "8");
  EXPECT_EQ(session().undoLabel(), "Paste nodes");
  ASSERT_TRUE(session().undo());
  EXPECT_EQ(bulkhead().Nodes.count(), 0);
}

TEST_F(NodeTable, ABadLineIsRefusedWithItsNumberAndACellIsTheNodesField) {
  const auto shown = [this] { return rows(); };
  expectRefused(editor, table(), "0 0\n1 zero", "2: \"zero\" is not a number", shown);
  expectRefused(editor, table(), "0 0\n1 0\n2 0 9", "3: Curve cannot be 9", shown);
  table().item(2, 1)->setText("7,25");
  EXPECT_EQ(bulkhead().Nodes.at(3).Y, 7.25F);
  EXPECT_EQ(text("LB_Plate"), "3");
  EXPECT_EQ(session().undoLabel(), "Node data changes");
  table().setCurrentCell(4, 1);
  EXPECT_EQ(bulkhead().CurNode, 5);
}

// The example's 18 vertical stiffeners stand 0.8 m apart up to y 14.4.
class StiffenerList : public testing::PanelTest<FM_Second> {
 protected:
  QListWidget& list() { return *find<QListWidget>("LI_Stiff"); }
  std::vector<Single> positions() {
    std::vector<Single> found;
    for (const OrdinaryStiffener& s : bulkhead().Stiffeners) found.push_back(s.Position);
    return found;
  }
};

TEST_F(StiffenerList, AColumnOfPositionsMovesTheSelectedAndAddsTheRest) {
  const auto shown = [this] { return positions(); };
  const std::vector<Single> before = positions();
  expectRefused(editor, list(), "15.2\n15.6 2", "2: 2 values where 1 at most are taken", shown);
  expectRefused(editor, list(), "15.2\n0.8", "2: a stiffener stands at 0.8 already", shown);
  list().selectionModel()->select(
      QItemSelection(list().model()->index(1, 0), list().model()->index(2, 0)),
      QItemSelectionModel::ClearAndSelect);
  pasteInto(list(), "1,7\n2,5\n15,2\n");
  EXPECT_EQ(copyFrom(list()), "1.7\n2.5\n15.2\n");
  EXPECT_EQ(session().undoLabel(), "Paste stiffener positions");
  EXPECT_EQ(list().count(), 19);
  ASSERT_TRUE(session().undo());
  EXPECT_EQ(positions(), before);
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
  QTableWidget& grid() { return *testing::control<QTableWidget>(*dialog_, "SS_Res"); }

  std::unique_ptr<FM_ResKora> dialog_;
};

TEST_F(ResonanceGrid, ABlockOfLevelsPastedIsOneUndoStepOnOk) {
  const auto shown = [this] { return grid().rowCount(); };
  grid().setCurrentCell(0, 0);
  expectRefused(editor, grid(), "9\n10 1 2 3", "2: 4 values where 3 at most are taken", shown);
  grid().clearSelection();
  pasteInto(grid(), "Level\tLength\tBreadth\n9\t26\t27\n12,5\n");
  EXPECT_EQ(dialog_->windowTitle(), "Resonance *");
  testing::click(*dialog_, "BT_ok");
  EXPECT_EQ(session().undoLabel(), "Compartment resonance changes");
  const std::vector<FillingPoint> expected = {
      {4, 20, 21}, {8, 22, 23}, {9, 26, 27}, {12.5F, 25, 30}};
  EXPECT_EQ(std::vector(levels().begin(), levels().end()), expected);
}

// The share column shows each level against the height, and takes a share typed or pasted.
TEST_F(ResonanceGrid, LevelsAsAShareOfTheTanksHeight) {
  EXPECT_EQ(grid().item(0, 3)->text(), "22.22");
  grid().item(1, 3)->setText("50");
  EXPECT_EQ(grid().item(1, 0)->text(), "9");
  grid().setCurrentCell(0, 3);
  pasteInto(grid(), "95");
  EXPECT_EQ(grid().item(0, 3)->text(), "95");
  testing::click(*dialog_, "BT_ok");
  EXPECT_FLOAT_EQ(levels().at(1).H, 17.1F);
  EXPECT_EQ(levels().at(2).H, 9);
}

}  // namespace
}  // namespace korain
