// The primary members panel driven as a user does: one member at a time, and
// the panel follows its member when the list is sorted again.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_prim.h"

#include "ui_test_support.h"

namespace korain {
namespace {

class PrimPanel : public testing::PanelTest<FM_Prim> {
 protected:
  NumberField* position() { return find<NumberField>("FTX_m"); }
  QComboBox* direction() { return find<QComboBox>("CB_HorVer"); }
};

// What a member shows is the panel state's rule, tested in the core.
TEST_F(PrimPanel, ShowsOneMemberAtATime) {
  EXPECT_EQ(position()->text(), "7.2");
  button("BT_Iprim_1")->click();
  EXPECT_EQ(text("LB_Prim"), "2");
  EXPECT_EQ(position()->text(), "11");
  EXPECT_FALSE(session().canUndo());
}

// The order of the sorted members is the member edits' rule, tested in the core.
TEST_F(PrimPanel, TheShownMemberIsFollowedThroughTheSort) {
  testing::typeInto(*position(), "12");  // now above the member at 11
  EXPECT_EQ(text("LB_Prim"), "2");
  EXPECT_EQ(position()->text(), "12");

  testing::choose(*direction(), 1);  // vertical members come first
  EXPECT_EQ(text("LB_Prim"), "1");
  EXPECT_EQ(text("LB_yz"), "&Y :");
  EXPECT_EQ(position()->text(), "12");
  EXPECT_EQ(session().undoLabel(), "Primary supporting member data changes");
}

// No hands nothing over: the member stays, no undo level, the unsaved mark as
// it was, and the message list is not computed again.
TEST_F(PrimPanel, DeletingAsksForTheMemberShown) {
  session().report("Earlier notice");
  prompt().answers = {Answer::No, Answer::Yes};
  panel.runCommand(ItemCommand::Remove);
  EXPECT_EQ(bulkhead().PrimaryMembers.count(), 2);
  EXPECT_FALSE(session().canUndo());
  EXPECT_FALSE(session().hasUnsavedChanges());
  EXPECT_EQ(session().messages().messages().back().text, "Earlier notice");
  panel.runCommand(ItemCommand::Remove);
  ASSERT_EQ(bulkhead().PrimaryMembers.count(), 1);
  EXPECT_EQ(bulkhead().PrimaryMembers.at(1).Position, 11.0F);
  EXPECT_EQ(prompt().messages,
            std::vector<std::string>(2, "Are you sure to erase Primary supporting member 1 ?"));
}

}  // namespace
}  // namespace korain
