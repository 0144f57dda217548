// The node panel driven as a user does: stepping through the contour, typing
// coordinates, choosing the curve type, and the Add, Insert and Delete commands.
#include "panels/fm_node.h"

#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

#include "text/string_table.h"
#include "ui_test_support.h"

namespace korain {
namespace {

using testing::control;

class NodePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.setPanel(&panel_);
    editor_.openExample(1);
    editor_.refreshAll();
  }

  Session& session() { return editor_.session(); }
  Bulkhead& bulkhead() { return session().arrangement().Bulkheads.at(1); }
  QString text(const QString& name) { return control<QLabel>(panel_, name)->text(); }
  QAbstractButton* button(const QString& name) { return control<QAbstractButton>(panel_, name); }
  NumberField* field(int i) { return control<NumberField>(panel_, QString("FTX_m_%1").arg(i)); }

  // A command as the main window runs it: the undo entry, the panel's part, the refresh.
  void command(const std::string& label, void (Panel::*part)()) {
    editor_.recordUndo(label);
    (panel_.*part)();
    editor_.refreshAll();
  }

  testing::TestEditor editor_;
  FM_Node panel_{editor_};
};

TEST_F(NodePanel, StepsThroughTheContourWithoutAnUndoEntry) {
  EXPECT_EQ(text("LB_Plate"), "1");
  EXPECT_FALSE(button("BT_Inode_0")->isEnabled());
  for (int i = 1; i < 8; ++i) button("BT_Inode_1")->click();
  EXPECT_EQ(text("LB_Plate"), "8");
  EXPECT_EQ(bulkhead().CurNode, 8);
  EXPECT_FALSE(button("BT_Inode_1")->isEnabled());
  EXPECT_TRUE(button("BT_Inode_0")->isEnabled());
  EXPECT_EQ(field(0)->text(), "0");
  EXPECT_EQ(field(1)->text(), "18");
  EXPECT_FALSE(session().hasUnsavedChanges());
  EXPECT_EQ(editor_.drawingRefreshCount, 1 + 7);

  // An index stored beyond the list shows node 1.
  bulkhead().CurNode = 20;
  panel_.refreshControls();
  EXPECT_EQ(text("LB_Plate"), "1");
  EXPECT_EQ(field(1)->text(), "1.8");
  EXPECT_EQ(text("LB_FirstNode"), QString::fromStdString(korainString(654)));
}

TEST_F(NodePanel, TypedCoordinatesGoToTheCurrentNode) {
  button("BT_Inode_1")->click();
  testing::typeInto(*field(0), "8.5");
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(2).Y, 8.5F);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(2).Z, 1.8F);
  EXPECT_EQ(session().undoLabel(), "Node data changes");
}

TEST_F(NodePanel, TheCurveToolSetsTheSegmentAndShowsTheCircleDataForArcs) {
  button("BT_Inode_1")->click();  // node 2, reached by a line
  auto* circle = control<QGroupBox>(panel_, "PAN_Circle");
  EXPECT_TRUE(circle->isHidden());
  struct Case {
    int tool;
    Long code;
    bool circleShown;
    Long text;
  };
  const Case cases[] = {
      {2, 3, true, 651}, {1, 4, true, 652}, {0, 1, false, 650}, {3, 1, false, 650}};
  for (const Case& c : cases) {
    session().markClean();
    button(QString("SS_Curve_%1").arg(c.tool))->click();
    EXPECT_EQ(bulkhead().Nodes.at(2).ShCur, c.code) << c.tool;
    EXPECT_EQ(circle->isHidden(), !c.circleShown) << c.tool;
    EXPECT_EQ(text("LB_FirstNode"), QString::fromStdString(korainString(c.text))) << c.tool;
    EXPECT_EQ(session().undoLabel(), "Node data changes") << c.tool;
    // The corrugated tool changes no code: the node's own tool is down again.
    EXPECT_TRUE(button(QString("SS_Curve_%1").arg(c.tool == 3 ? 0 : c.tool))->isChecked())
        << c.tool;
  }
}

TEST_F(NodePanel, AddedNodesStartAtTheOriginThenStepUpAndRight) {
  session().arrangement().Bulkheads.append().Name = "Empty";
  session().arrangement().CurBulkhead = 2;
  editor_.refreshAll();
  EXPECT_FALSE(panel_.canRemove());
  EXPECT_FALSE(panel_.canInsert());
  EXPECT_TRUE(panel_.canAdd());
  EXPECT_FALSE(field(0)->isEnabled());
  EXPECT_EQ(field(0)->text(), "");

  command("Add Node", &Panel::addItem);
  command("Add Node", &Panel::addItem);
  const Bulkhead& added = session().arrangement().Bulkheads.at(2);
  ASSERT_EQ(added.Nodes.count(), 2);
  EXPECT_EQ(added.Nodes.at(1).Y, 0);
  EXPECT_EQ(added.Nodes.at(1).Z, 0);
  EXPECT_EQ(added.Nodes.at(1).ShCur, 0);
  // A 32 m broad section: steps of 1.3 m.
  EXPECT_FLOAT_EQ(added.Nodes.at(2).Y, 1.3F);
  EXPECT_FLOAT_EQ(added.Nodes.at(2).Z, 1.3F);
  EXPECT_EQ(added.Nodes.at(2).ShCur, 1);
  EXPECT_EQ(text("LB_Plate"), "2");
  EXPECT_TRUE(panel_.canInsert());
}

TEST_F(NodePanel, WithNoPlaceLeftTheDebugRunIsWarned) {
  session().run.DebugMode = true;
  session().PickTolerance = 1000;
  command("Add Node", &Panel::addItem);
  EXPECT_EQ(bulkhead().Nodes.count(), 9);
  EXPECT_EQ(editor_.scriptedPrompt().messages,
            std::vector<std::string>{"Could not find a place for a new node !"});
}

TEST_F(NodePanel, InsertingBeforeTheFirstNodeGoesHalfwayFromTheOrigin) {
  command("Insert Node", &Panel::insertItem);
  ASSERT_EQ(bulkhead().Nodes.count(), 9);
  EXPECT_EQ(bulkhead().Nodes.at(1).Y, 0);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(1).Z, 0.9F);
  EXPECT_EQ(bulkhead().Nodes.at(1).ShCur, 0);
  EXPECT_EQ(bulkhead().Nodes.at(2).ShCur, 1);
  EXPECT_EQ(text("LB_Plate"), "1");
  EXPECT_EQ(field(1)->text(), "0.9");
}

TEST_F(NodePanel, DeletingAsksFirstAndTheNextNodeBecomesTheFirst) {
  auto& prompt = editor_.scriptedPrompt();
  prompt.answers = {Answer::No, Answer::Yes};
  command("Delete Node", &Panel::removeItem);
  EXPECT_EQ(bulkhead().Nodes.count(), 8);
  EXPECT_EQ(session().undoLabel(), "Delete Node");
  command("Delete Node", &Panel::removeItem);
  EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Are you sure to erase node 1 ?",
                                                       "Are you sure to erase node 1 ?"}));
  ASSERT_EQ(bulkhead().Nodes.count(), 7);
  EXPECT_FLOAT_EQ(bulkhead().Nodes.at(1).Y, 9.1716F);
  EXPECT_EQ(bulkhead().Nodes.at(1).ShCur, 0);
  EXPECT_EQ(text("LB_Plate"), "1");
}

}  // namespace
}  // namespace korain
