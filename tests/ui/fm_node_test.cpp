// The node panel driven as a user does: stepping through the contour, typing
// coordinates, the curve tools, and the questions of the
// Add and Delete commands.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_node.h"

#include <QToolButton>

#include "ui_test_support.h"

namespace korain {
namespace {

class NodePanel : public testing::PanelTest<FM_Node> {
 protected:
  NumberField* field(int i) { return find<NumberField>(QString("FTX_m_%1").arg(i)); }
};

// What a node shows for its code is the panel state's rule, tested in the core.
TEST_F(NodePanel, StepsThroughTheContourWithoutAChange) {
  for (int i = 1; i < 8; ++i) button("BT_Inode_1")->click();
  EXPECT_EQ(text("LB_Plate"), "8");
  EXPECT_EQ(bulkhead().CurNode, 8);
  EXPECT_EQ(field(1)->text(), "18");
  EXPECT_FALSE(session().canUndo());
}

TEST_F(NodePanel, CurveToolsGoToTheCurrentNode) {
  button("BT_Inode_1")->click();  // node 2, reached by a line
  for (const auto& [tool, code] :
       {std::pair{2, 3}, std::pair{1, 4}, std::pair{0, 1}, std::pair{3, 1}}) {
    button(QString("SS_Curve_%1").arg(tool))->click();
    EXPECT_EQ(bulkhead().Nodes.at(2).ShCur, code) << tool;
  }
  // The corrugated tool changes no code: the node's own tool is down again.
  EXPECT_TRUE(button("SS_Curve_0")->isChecked());
}

// A lone comma, as many desktops write it, is the decimal point, never a thousands
// separator; a number beyond what the model keeps (it would be kept as infinity and
// saved as 0) is refused like any text that is no number.
TEST_F(NodePanel, TypedNumbersAreTakenAsTheUserMeantThem) {
  const std::vector<std::pair<QString, float>> cases = {{QString(400, '9'), 0.0F},
                                                        {"1" + QString(40, '0'), 0.0F},
                                                        {"1,500", 1.5F},
                                                        {"-0,25", -0.25F},
                                                        {"1,000.5", -0.25F},
                                                        {"1,2,3", -0.25F},
                                                        {"1" + QString(30, '0'), 1e30F}};
  for (const auto& [typed, expected] : cases) {
    testing::typeInto(*field(0), typed);
    EXPECT_FLOAT_EQ(bulkhead().Nodes.at(1).Y, expected) << typed.toStdString();
  }
}

TEST_F(NodePanel, TheCommandsAskAndWarnAsTheyShould) {
  testing::changeRun(session(), [](StartupState& run) { run.DebugMode = true; });
  editor.tolerance = 1000;  // every spot taken
  panel.runCommand(ItemCommand::Add);
  EXPECT_EQ(bulkhead().Nodes.count(), 9);
  EXPECT_EQ(prompt().messages, std::vector<std::string>{"Could not find a place for a new node !"});

  prompt().answers = {Answer::No};
  panel.runCommand(ItemCommand::Remove);
  EXPECT_EQ(bulkhead().Nodes.count(), 9);
  EXPECT_EQ(prompt().messages.back(), "Are you sure to erase node 9 ?");
  EXPECT_EQ(text("LB_Plate"), "9");
}

}  // namespace
}  // namespace korain
