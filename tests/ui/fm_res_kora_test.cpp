// The resonance dialog: its starting effective dimensions, the level grid
// with Add, Delete and the default levels, the results shown while editing,
// and Ok and Cancel as the user meets them.
#include "dialogs/fm_res_kora.h"

#include <algorithm>

#include "edit/compartment_edits.h"
#include "resonance/evaluate_resonance.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class ResonanceDialog : public ExampleTest {
 protected:
  // The aftward compartment as a test wants it, stored as the file had it.
  void prepareAftward(Single height, std::vector<FillingPoint> levels) {
    session().amend(EditScope::bulkhead(1), [&](Arrangement& a) {
      Compartment& c = a.Bulkheads.at(1).Compartments.at(kAftwardCompartment);
      c.Table1.at(kHeightEntry) = height;
      c.Points = {};
      for (const FillingPoint& level : levels) c.Points.append(level);
    });
  }
  static void trigger(FM_ResKora& dialog, const char* name) {
    control<QAction>(dialog, name)->trigger();
  }
};

TEST_F(ResonanceDialog, OkWithoutEditStoresTheEffectiveDefaultsUnrecorded) {
  FM_ResKora dialog(editor, kForwardCompartment);  // effective length and breadth 0
  EXPECT_EQ(dialog.windowTitle(), "Resonance");
  EXPECT_EQ(control<NumberField>(dialog, "FTX_el")->text(), "28.000");
  EXPECT_EQ(control<NumberField>(dialog, "FTX_eb")->text(), "32.000");
  EXPECT_EQ(dialog.currentRow(), 0);
  control<QPushButton>(dialog, "BT_ok")->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(compartment(kForwardCompartment).Table1.at(kEffectiveLengthEntry), 28);
  EXPECT_EQ(compartment(kForwardCompartment).Table1.at(kEffectiveBreadthEntry), 32);
  EXPECT_FALSE(session().canUndo());
  EXPECT_TRUE(session().hasUnsavedChanges());
}

TEST_F(ResonanceDialog, DefaultAppendsTenLevelsAfterTheExistingOnes) {
  prepareAftward(10, {{4, 27.5F, 28}, {8, 27.5F, 32}});
  FM_ResKora dialog(editor, kAftwardCompartment);
  control<QPushButton>(dialog, "BT_default")->click();
  EXPECT_EQ(dialog.windowTitle(), "Resonance *");
  auto* grid = control<QTableWidget>(dialog, "SS_Res");
  ASSERT_EQ(grid->rowCount(), 12);
  EXPECT_EQ(grid->item(11, 0)->text(), "9.5");
  control<QCheckBox>(dialog, "OP_Risk_2")->click();
  control<QPushButton>(dialog, "BT_ok")->click();

  EXPECT_EQ(session().undoLabel(), "Compartment resonance changes");
  EXPECT_EQ(compartment(kAftwardCompartment).Points.at(12), (FillingPoint{9.5F, 27.5F, 32}));
  EXPECT_FALSE(compartment(kAftwardCompartment).Flag4);
}

TEST_F(ResonanceDialog, DeletingTheOnlyLevelLeavesNothingToDelete) {
  prepareAftward(16, {{4, 27.5F, 28}});
  FM_ResKora dialog(editor, kAftwardCompartment);
  EXPECT_EQ(dialog.currentRow(), 1);
  prompt().answers = {Answer::No, Answer::Yes};
  trigger(dialog, "SS_AddDel_1");
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->rowCount(), 1);
  trigger(dialog, "SS_AddDel_1");
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->rowCount(), 0);
  EXPECT_EQ(dialog.currentRow(), 0);
  trigger(dialog, "SS_AddDel_1");
  EXPECT_EQ(prompt().messages, (std::vector<std::string>(2, "Are you sure to erase item 1 ?")));

  trigger(dialog, "SS_AddDel_0");
  EXPECT_EQ(dialog.currentRow(), 1);
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->currentRow(), 0);
}

TEST_F(ResonanceDialog, CancelAnsweredNoKeepsTheEdits) {
  const Arrangement before = session().arrangement();
  FM_ResKora dialog(editor, kAftwardCompartment);
  typeInto(*control<NumberField>(dialog, "FTX_el"), "20");
  prompt().answers = {Answer::No, Answer::Yes};
  control<QPushButton>(dialog, "BT_cancel")->click();
  EXPECT_EQ(prompt().messages, std::vector<std::string>{"Cancel changes ?"});
  EXPECT_EQ(dialog.result(), QDialog::Rejected);  // never closed
  EXPECT_EQ(control<NumberField>(dialog, "FTX_el")->text(), "20.000");
  EXPECT_EQ(dialog.windowTitle(), "Resonance *");
  control<QPushButton>(dialog, "BT_cancel")->click();
  EXPECT_EQ(prompt().messages.size(), 2U);
  EXPECT_EQ(session().arrangement(), before);
}

TEST_F(ResonanceDialog, ResultsWhileTypingAreThoseOfTheEvaluation) {
  FM_ResKora dialog(editor, kAftwardCompartment);
  auto* grid = control<QTableWidget>(dialog, "SS_Res");
  auto* results = control<QTableWidget>(dialog, "SS_Results");
  ASSERT_EQ(results->rowCount(), 3);
  grid->item(0, 0)->setText("12.5");
  grid->item(1, 2)->setText("15");
  EXPECT_EQ(dialog.windowTitle(), "Resonance *");
  control<QPushButton>(dialog, "BT_ok")->click();

  const ResonanceEvaluation evaluation =
      evaluateResonance(session().arrangement(), session().ship());
  const auto aftward = std::find_if(evaluation.Compartments.begin(), evaluation.Compartments.end(),
                                    [](const CompartmentResonance& c) {
                                      return c.Bulkhead == 1 && c.Side == kAftwardCompartment;
                                    });
  ASSERT_NE(aftward, evaluation.Compartments.end());
  const double roll = evaluation.Periods.RollPeriod.at(aftward->LoadingCondition);
  EXPECT_TRUE(control<QLabel>(dialog, "LB_Periods")
                  ->text()
                  .contains(QString("roll %1 s").arg(roll, 0, 'f', 2)));
  ASSERT_EQ(results->rowCount(), aftward->Levels.count());
  bool anyRisk = false;
  for (int k = 1; k <= aftward->Levels.count(); ++k) {
    const LevelResonance& level = aftward->Levels.at(k);
    const auto shown = [&](int column) { return results->item(k - 1, column)->text(); };
    EXPECT_EQ(shown(0), QString::number(level.Tx, 'f', 2)) << k;
    EXPECT_EQ(shown(2), level.PitchRisk ? "Risk" : "No") << k;
    EXPECT_EQ(shown(3), level.RollRisk ? "Risk" : "No") << k;
    EXPECT_EQ(shown(4), level.SwayRisk ? "Risk" : "No") << k;
    anyRisk = anyRisk || level.RollRisk || level.PitchRisk || level.SwayRisk;
  }
  EXPECT_TRUE(anyRisk);
}

TEST_F(ResonanceDialog, MissingShipDataReplaceThePeriodsAndVerdicts) {
  session().ship().V = 0;
  FM_ResKora dialog(editor, kAftwardCompartment);
  EXPECT_TRUE(control<QTableWidget>(dialog, "SS_Results")->isHidden());
  EXPECT_TRUE(
      control<QLabel>(dialog, "LB_Periods")->text().startsWith("Risk of resonance not evaluated"));
}

}  // namespace
}  // namespace korain::testing
