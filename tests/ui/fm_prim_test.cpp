// The primary members panel driven as a user does: one member at a time, and
// the panel follows its member when the list is sorted again.
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
    panel_.refresh();
  }

  Session& session() { return editor_.session(); }
  const Bulkhead& bulkhead() { return session().arrangement().Bulkheads.at(1); }
  Members members() {
    Members result;
    for (const PrimaryMember& m : bulkhead().PrimaryMembers) result.emplace_back(m.Position, m.HV);
    return result;
  }
  QString text(const char* name) { return control<QLabel>(panel_, name)->text(); }
  QAbstractButton* button(const char* name) { return control<QAbstractButton>(panel_, name); }
  NumberField* position() { return control<NumberField>(panel_, "FTX_m"); }
  QComboBox* direction() { return control<QComboBox>(panel_, "CB_HorVer"); }

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
  EXPECT_FALSE(session().canUndo());
}

TEST_F(PrimPanel, TheShownMemberIsFollowedThroughTheSort) {
  testing::typeInto(*position(), "12");
  EXPECT_EQ(members(), (Members{{11, kHorizontal}, {12, kHorizontal}}));
  EXPECT_EQ(text("LB_Prim"), "2");
  EXPECT_EQ(position()->text(), "12");

  testing::choose(*direction(), 1);
  EXPECT_EQ(members(), (Members{{12, kVertical}, {11, kHorizontal}}));
  EXPECT_EQ(text("LB_Prim"), "1");
  EXPECT_EQ(text("LB_yz"), "&Y :");
  EXPECT_EQ(session().undoLabel(), "Primary supporting member data changes");
}

TEST_F(PrimPanel, DeletingAsksForTheMemberShown) {
  auto& prompt = editor_.scriptedPrompt();
  prompt.answers = {Answer::Yes};
  session().change({.label = "Delete Primary supporting members",
                    .scope = EditScope::bulkhead(1),
                    .edit = [this](Arrangement& a) { panel_.removeItem(a); },
                    .follow = kRefreshAll});
  EXPECT_EQ(members(), (Members{{11, kHorizontal}}));
  EXPECT_EQ(prompt.messages,
            std::vector<std::string>{"Are you sure to erase Primary supporting member 1 ?"});
}

}  // namespace
}  // namespace korain
