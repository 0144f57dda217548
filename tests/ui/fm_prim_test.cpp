// The primary members panel driven as a user does: the list stays sorted
// (vertical members first) and the panel follows the member it shows.
#include "panels/fm_prim.h"

#include <QLabel>

#include "model/codes.h"
#include "ui_test_support.h"

namespace korain {
namespace {

using testing::control;

using Members = std::vector<std::pair<double, Long>>;  // position, direction

class PrimPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.setPanel(&panel_);
    editor_.openExample(1);  // members at z 7.2 and 11 on a bulkhead 16 m wide
    editor_.refreshAll();
  }

  Session& session() { return editor_.session(); }
  Bulkhead& bulkhead() { return session().arrangement().Bulkheads.at(1); }
  Members members() {
    Members result;
    for (const PrimaryMember& m : bulkhead().PrimaryMembers) result.emplace_back(m.Position, m.HV);
    return result;
  }
  QString text(const char* name) { return control<QLabel>(panel_, name)->text(); }
  QAbstractButton* button(const char* name) { return control<QAbstractButton>(panel_, name); }
  NumberField* position() { return control<NumberField>(panel_, "FTX_m"); }
  QComboBox* direction() { return control<QComboBox>(panel_, "CB_HorVer"); }

  // A command as the main window runs it: the undo entry, the panel's part, the refresh.
  void command(const std::string& label, void (Panel::*part)()) {
    editor_.recordUndo(label);
    (panel_.*part)();
    editor_.refreshAll();
  }

  testing::TestEditor editor_;
  FM_Prim panel_{editor_};
};

TEST_F(PrimPanel, ShowsOneMemberAtATime) {
  EXPECT_EQ(text("LB_Prim"), "1");
  EXPECT_EQ(text("LB_yz"), "&Z :");
  EXPECT_EQ(position()->text(), "7.2");
  EXPECT_EQ(direction()->currentText(), "Horizontal");
  EXPECT_FALSE(button("BT_Iprim_0")->isEnabled());
  button("BT_Iprim_1")->click();
  EXPECT_EQ(text("LB_Prim"), "2");
  EXPECT_EQ(position()->text(), "11");
  EXPECT_FALSE(button("BT_Iprim_1")->isEnabled());
  EXPECT_FALSE(session().hasUnsavedChanges());

  bulkhead().CurPrim = 5;
  panel_.refreshControls();
  EXPECT_EQ(text("LB_Prim"), "1");
}

TEST_F(PrimPanel, AMemberTurnedVerticalMovesToTheFrontAndStaysShown) {
  button("BT_Iprim_1")->click();
  testing::choose(*direction(), 1);
  EXPECT_EQ(members(), (Members{{11, kVertical}, {7.2F, kHorizontal}}));
  EXPECT_EQ(bulkhead().CurPrim, 1);
  EXPECT_EQ(text("LB_Prim"), "1");
  EXPECT_EQ(text("LB_yz"), "&Y :");
  EXPECT_EQ(position()->text(), "11");
  EXPECT_EQ(session().undoLabel(), "Primary supporting member data changes");
}

TEST_F(PrimPanel, AMemberMovedPastAnotherTakesItsNumber) {
  testing::typeInto(*position(), "12");
  EXPECT_EQ(members(), (Members{{11, kHorizontal}, {12, kHorizontal}}));
  EXPECT_EQ(text("LB_Prim"), "2");
  EXPECT_EQ(position()->text(), "12");
}

TEST_F(PrimPanel, TheFirstMemberLiesOnTheStoolTheNextOneMetreAbove) {
  bulkhead().PrimaryMembers.clear();
  editor_.refreshAll();
  EXPECT_FALSE(panel_.canRemove());
  EXPECT_FALSE(position()->isEnabled());
  EXPECT_EQ(text("LB_Prim"), "");
  command("Add Primary supporting members", &Panel::addItem);
  command("Add Primary supporting members", &Panel::addItem);
  // The lower stool's top is at 3.6 m.
  EXPECT_EQ(members(), (Members{{3.6F, kHorizontal}, {4.6F, kHorizontal}}));
  EXPECT_EQ(text("LB_Prim"), "2");
  EXPECT_EQ(position()->text(), "4.6");
}

TEST_F(PrimPanel, DeletingAsksFirstAndANoStillLeavesTheUndoEntry) {
  auto& prompt = editor_.scriptedPrompt();
  prompt.answers = {Answer::No, Answer::Yes, Answer::Yes};
  command("Delete Primary supporting members", &Panel::removeItem);
  EXPECT_EQ(members().size(), 2U);
  EXPECT_TRUE(session().canUndo());
  command("Delete Primary supporting members", &Panel::removeItem);
  EXPECT_EQ(members(), (Members{{11, kHorizontal}}));
  EXPECT_EQ(text("LB_Prim"), "1");
  command("Delete Primary supporting members", &Panel::removeItem);
  EXPECT_TRUE(members().empty());
  EXPECT_EQ(bulkhead().CurPrim, 0);
  EXPECT_EQ(prompt.messages,
            (std::vector<std::string>(3, "Are you sure to erase Primary supporting member 1 ?")));
  EXPECT_FALSE(panel_.canRemove());
}

}  // namespace
}  // namespace korain
