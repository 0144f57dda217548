// The main data dialog: Ok writes the header as one change, Cancel changes
// nothing, and the ship type and the run's mode decide what can be reached.
// The hull section following X is the session's, tested there.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_main_data.h"

#include <QTabWidget>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class MainDataDialog : public ExampleTest {
 protected:
  const Arrangement& arrangement() { return session().arrangement(); }

  // Changes every field of the dialog.
  static void editEverything(FM_MainData& dialog) {
    typeInto(*control<CommitField>(dialog, "FTX_Ident"), "Hold 3 fore bulkhead");
    typeInto(*control<NumberField>(dialog, "FTX_m"), "165");
    choose(*control<QComboBox>(dialog, "CB_Sym"), 2);
    const char* holds[] = {"140", "6.5", "8", "5.5", "7.5"};
    for (int i = 0; i < 5; ++i) {
      typeInto(*control<NumberField>(dialog, "FTX_Hold_" + QString::number(i)), holds[i]);
    }
    choose(*control<QComboBox>(dialog, "CB_State"), 2);
    typeInto(*control<NumberField>(dialog, "TX_State"), "3");
  }
};

TEST_F(MainDataDialog, CancelLeavesTheArrangementAsItWas) {
  const Arrangement before = arrangement();
  FM_MainData dialog(editor);
  editEverything(dialog);
  control<QPushButton>(dialog, "BT_Cancel")->click();

  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(arrangement(), before);
  EXPECT_FALSE(session().hasUnsavedChanges());
  EXPECT_FALSE(session().canUndo());
}

TEST_F(MainDataDialog, OkWritesTheHeaderAsOneChange) {
  FM_MainData dialog(editor);
  EXPECT_EQ(dialog.focusWidget(), control<CommitField>(dialog, "FTX_Ident"));
  EXPECT_EQ(control<CommitField>(dialog, "FTX_Ident")->text(), "Hold 3 aft bulkhead");
  EXPECT_EQ(control<NumberField>(dialog, "FTX_m")->text(), "88");
  editEverything(dialog);
  control<QPushButton>(dialog, "BT_Ok")->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(session().undoLabel(), "Main data changes");
  const Arrangement& a = arrangement();
  EXPECT_EQ(std::tuple(a.Name, a.X, a.SymFlag, a.StoolVolume, a.ForeHopperBreadth, a.ForeHopperZTop,
                       a.AftHopperBreadth, a.AftHopperZTop, a.StateType, a.StateIndex),
            std::tuple("Hold 3 fore bulkhead", 165, 2, 140, 6.5F, 8, 5.5F, 7.5F, 3, 3));
  EXPECT_EQ(arrangement().Bulkheads.count(), 1);
}

// The state index is kept as a whole number of at least 1: a fraction typed is
// rounded to the nearest, with either decimal separator, and shown so; one that
// rounds below 1 is refused.
TEST_F(MainDataDialog, AStateIndexTypedWithAFractionIsRoundedToAWholeNumber) {
  const std::pair<const char*, int> rows[] = {{"2,7", 3}, {"2.4", 2}, {"2,5", 3}, {"1.49", 1},
                                              {"7", 7},   {"0,4", 0}, {"-2", 0}};
  for (const auto& [typed, stored] : rows) {
    SCOPED_TRACE(typed);
    FM_MainData dialog(editor);
    auto& stateIndex = *control<NumberField>(dialog, "TX_State");
    typeInto(stateIndex, typed);
    EXPECT_EQ(stateIndex.holdsRefusal(), stored == 0);
    control<QPushButton>(dialog, "BT_Ok")->click();
    if (stored == 0) {
      EXPECT_EQ(dialog.result(), 0) << "a refused index leaves the dialog open";
      continue;
    }
    EXPECT_EQ(stateIndex.text(), QString::number(stored));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(arrangement().StateIndex, stored);
  }
}

// A text longer than its field shows its beginning, as one reads it.
TEST_F(MainDataDialog, TheIdentificationIsShownFromItsBeginning) {
  FM_MainData dialog(editor);
  EXPECT_EQ(control<CommitField>(dialog, "FTX_Ident")->cursorPosition(), 0);
}

// Which ship types have stools and hoppers is the ship queries' rule, tested in the core.
TEST_F(MainDataDialog, HoldDataFollowsTheShipTypeAndTheStateTypeBelongsToTheTollanRun) {
  for (const auto& [type, tollan] :
       {std::pair{1, false}, std::pair{1, true}, std::pair{2, false}}) {
    SCOPED_TRACE(::testing::Message() << "ship type " << type << ", TOLLAN " << tollan);
    changeShip(session(), [type](ShipData& ship) { ship.ShipType = static_cast<Integer>(type); });
    changeRun(session(), [tollan](StartupState& run) { run.TollanMode = tollan; });
    FM_MainData dialog(editor);
    auto* tabs = dialog.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->widget(1)->isAncestorOf(control<NumberField>(dialog, "FTX_Hold_0")));
    EXPECT_EQ(tabs->isTabVisible(1), type == 1);
    EXPECT_EQ(control<QComboBox>(dialog, "CB_State")->isEnabled(), !tollan);
    EXPECT_EQ(control<QLabel>(dialog, "LB_Tollan")->isHidden(), !tollan);
  }
}

}  // namespace
}  // namespace korain::testing
