// The compartment panel and its three dialogs (dimensions, loading, resonance) driven as a user
// does: what each shows, what Ok writes as one change, what Cancel leaves as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>
#include <cstddef>
#include <memory>

#include "dialogs/fm_lcm_kora.h"
#include "dialogs/fm_lem_kora.h"
#include "dialogs/fm_res_kora.h"
#include "edit/compartment_edits.h"
#include "panels/fm_comp.h"
#include "ui_test_support.h"
#include "view/compartment_dialog_states.h"

namespace korain::testing {
namespace {

// The example's bulkhead 1: forward, a hold of dry bulk cargo with JBP hold data and alternate
// loading; aftward, a ballast tank.
class CompartmentTest : public ExampleTest {
 protected:
  const Compartment& forward() { return compartment(kForwardCompartment); }
  const Compartment& aftward() { return compartment(kAftwardCompartment); }
  // The panel as the run's modes make it on load.
  std::unique_ptr<FM_Comp> makePanel() {
    auto panel = std::make_unique<FM_Comp>(editor);
    editor.setPanel(panel.get());
    session().showPanel(PanelCode::Compartments, Follow::Panel);
    return panel;
  }
  // The aftward compartment as a test wants it, stored as the file had it.
  void prepareAftward(Single height, std::vector<FillingPoint> levels) {
    session().amend(EditScope::bulkhead(1), [&](Arrangement& a) {
      Compartment& c = a.Bulkheads.at(1).Compartments.at(kAftwardCompartment);
      c.Table1.at(kHeightEntry) = height;
      c.Points = {};
      for (const FillingPoint& level : levels) c.Points.append(level);
    });
  }
};
using CompartmentPanel = CompartmentTest;
using DimensionsDialog = CompartmentTest;
using LoadingDialog = CompartmentTest;
using ResonanceDialog = CompartmentTest;

NumberField* entry(FM_LemKora& dialog, int k) {
  return control<NumberField>(dialog, "FTX_vcog_" + QString::number(k));
}

NumberField* value(FM_LcmKora& dialog, int k) {
  return control<NumberField>(dialog, "FTX_m_" + QString::number(k));
}

QString groupTitle(FM_LcmKora& dialog, int k) {
  return qobject_cast<QGroupBox*>(value(dialog, k)->parentWidget()->parentWidget())->title();
}

bool shown(FM_LcmKora& dialog, int k) {
  QWidget* row = value(dialog, k)->parentWidget();
  return !row->isHidden() && !row->parentWidget()->isHidden();
}

TEST_F(CompartmentPanel, TheSideShownCarriesItsTypeAndDestination) {
  auto panel = makePanel();
  auto* type = control<QComboBox>(*panel, "CB_Type");
  auto* destination = control<QComboBox>(*panel, "CB_MainDest");
  // The codes' texts are the compartment codes' test; which item gives which code, the choice's.
  EXPECT_EQ(type->currentText(), "5 - Cargo hold");
  EXPECT_EQ(destination->currentText(), "4 - Dry bulk cargo");

  choose(*control<QComboBox>(*panel, "CB_ForeAft"), 1);
  EXPECT_EQ(panel->side(), kAftwardCompartment);
  EXPECT_EQ(destination->currentText(), "1 - Water ballast");
  EXPECT_FALSE(session().canUndo());

  choose(*type, 7);
  choose(*destination, 5);
  EXPECT_EQ(aftward().A, 8);
  EXPECT_EQ(aftward().B, 6);
  EXPECT_EQ(forward().A, 5);
  EXPECT_EQ(session().undoLabel(), "Compartment type or destination change");
}

// Which destination stands where in either list is the compartment edits' rule, tested in the
// core; the panel must use the naval list in a naval run.
TEST_F(CompartmentPanel, NavalRunOffersTheFourNavalDestinations) {
  changeRun(session(), [](StartupState& run) { run.NavalMode = true; });
  auto panel = makePanel();
  auto* destination = control<QComboBox>(*panel, "CB_MainDest");
  ASSERT_EQ(destination->count(), 4);
  choose(*destination, 2);
  EXPECT_EQ(forward().B, 6);
}

// What each field writes is the number field table's to check.
TEST_F(DimensionsDialog, ShowsTheEntriesAndOkWritesThemAsOneChange) {
  FM_LemKora dialog(editor, kAftwardCompartment);
  EXPECT_EQ(entry(dialog, 1)->text(), "28");
  typeInto(*entry(dialog, 1), "30");
  typeInto(*entry(dialog, 3), "4.5");
  control<QPushButton>(dialog, "BT_Ok")->click();
  EXPECT_EQ(session().undoLabel(), "Compartment dimensions change");
  EXPECT_EQ(session().edited().undoLevels(), 1U);
}

TEST_F(DimensionsDialog, ComputedPositionAndRuleRollLockTheirFieldsAndCancelKeepsNothing) {
  const Arrangement before = session().arrangement();
  FM_LemKora dialog(editor, kAftwardCompartment);
  auto* computed = control<QCheckBox>(dialog, "OP_UseCalcYZ");
  EXPECT_TRUE(computed->isChecked());
  EXPECT_FALSE(entry(dialog, 7)->isEnabled());
  EXPECT_FALSE(control<QGroupBox>(dialog, "PAN_Roll")->isEnabled());

  computed->click();
  ASSERT_TRUE(entry(dialog, 7)->isEnabled());
  typeInto(*entry(dialog, 7), "3");
  typeInto(*entry(dialog, 9), "30");
  computed->click();
  EXPECT_FALSE(entry(dialog, 7)->isEnabled());
  EXPECT_EQ(entry(dialog, 7)->text(), "9.8037");
  EXPECT_EQ(entry(dialog, 9)->text(), "18");

  control<QCheckBox>(dialog, "OP_UseCalcRoll")->click();
  EXPECT_TRUE(control<QGroupBox>(dialog, "PAN_Roll")->isEnabled());

  typeInto(*entry(dialog, 1), "40");
  control<QPushButton>(dialog, "BT_Cancel")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(session().arrangement(), before);
  EXPECT_FALSE(session().canUndo());
}

// Which groups each type shows is the dialog state's test; the dialog shows the state of the
// type chosen.
TEST_F(LoadingDialog, EachTypeShowsTheGroupsOfItsState) {
  FM_LcmKora dialog(editor, kForwardCompartment);
  EXPECT_TRUE(control<QRadioButton>(dialog, "OP_Type_4")->isChecked());
  for (int type = 0; type <= 6; ++type) {
    SCOPED_TRACE(type);
    control<QRadioButton>(dialog, "OP_Type_" + QString::number(type))->click();
    const LoadingDialogState state = loadingDialogState(type, LoadingMode::Standard);
    EXPECT_EQ(shown(dialog, 1), state.LiquidShown);
    EXPECT_EQ(shown(dialog, 4), state.SettingPressureShown);
    EXPECT_EQ(shown(dialog, 5), state.BulkShown);
    EXPECT_EQ(groupTitle(dialog, 5).toStdString(), state.BulkTitle);
    EXPECT_EQ(shown(dialog, 8), state.AlternateShown);
  }
}

// Which set each value is written to is the loading edits' rule, tested in the core.
TEST_F(LoadingDialog, AJbpRunShowsTheHoldDataAndWritesTheAlternateLoading) {
  changeRun(session(), [](StartupState& run) { run.JbpMode = true; });
  FM_LcmKora dialog(editor, kForwardCompartment);
  EXPECT_TRUE(shown(dialog, 8));
  EXPECT_EQ(value(dialog, 8)->text(), "18400");
  control<QCheckBox>(dialog, "Check1")->click();
  control<QPushButton>(dialog, "BT_Ok")->click();

  EXPECT_EQ(session().undoLabel(), "Compartment load change");
  EXPECT_FALSE(forward().Flag6);
}

TEST_F(ResonanceDialog, OkWithoutEditStoresTheEffectiveDefaultsUnrecorded) {
  FM_ResKora dialog(editor, kForwardCompartment);  // effective length and breadth 0
  EXPECT_EQ(dialog.windowTitle(), "Resonance");
  EXPECT_EQ(control<NumberField>(dialog, "FTX_el")->text(), "28.000");
  EXPECT_EQ(control<NumberField>(dialog, "FTX_eb")->text(), "32.000");
  EXPECT_EQ(dialog.currentRow(), 0);
  control<QPushButton>(dialog, "BT_ok")->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(forward().Table1.at(kEffectiveLengthEntry), 28);
  EXPECT_EQ(forward().Table1.at(kEffectiveBreadthEntry), 32);
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
  EXPECT_EQ(aftward().Points.at(12), (FillingPoint{9.5F, 27.5F, 32}));
  EXPECT_FALSE(aftward().Flag4);
}

TEST_F(ResonanceDialog, DeletingTheOnlyLevelLeavesNothingToDelete) {
  prepareAftward(16, {{4, 27.5F, 28}});
  FM_ResKora dialog(editor, kAftwardCompartment);
  EXPECT_EQ(dialog.currentRow(), 1);
  prompt().answers = {Answer::No, Answer::Yes};
  control<QAction>(dialog, "SS_AddDel_1")->trigger();
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->rowCount(), 1);
  control<QAction>(dialog, "SS_AddDel_1")->trigger();
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->rowCount(), 0);
  EXPECT_EQ(dialog.currentRow(), 0);
  control<QAction>(dialog, "SS_AddDel_1")->trigger();
  EXPECT_EQ(prompt().messages, (std::vector<std::string>(2, "Are you sure to erase item 1 ?")));

  control<QAction>(dialog, "SS_AddDel_0")->trigger();
  EXPECT_EQ(dialog.currentRow(), 1);
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->currentRow(), 0);
}

TEST_F(ResonanceDialog, TabReachesAddAndDeleteAndSpacePressesThem) {
  prepareAftward(16, {{4, 27.5F, 28}});
  FM_ResKora dialog(editor, kAftwardCompartment);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  control<QPushButton>(dialog, "BT_default")->setFocus();
  const auto backTab = [] {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    return QApplication::focusWidget()->objectName().toStdString();
  };
  ASSERT_EQ(backTab(), "SS_AddDel_1");
  ASSERT_EQ(backTab(), "SS_AddDel_0");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(control<QTableWidget>(dialog, "SS_Res")->rowCount(), 2);
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

TEST_F(ResonanceDialog, ACellTypedWithoutAValueTheLevelCanKeepGoesBackAndSaysWhy) {
  FM_ResKora dialog(editor, kAftwardCompartment);
  auto* grid = control<QTableWidget>(dialog, "SS_Res");
  auto* line = control<QLabel>(dialog, "LB_Refusal");
  const QString before = grid->item(0, 0)->text();
  for (const QString& typed : {QString("inf"), QString("nan"), QString("-inf"),
                               QString("1") + QString(40, '0'), QString("1,000.5")}) {
    grid->item(0, 0)->setText(typed);
    EXPECT_EQ(grid->item(0, 0)->text(), before) << typed.toStdString();
    EXPECT_TRUE(line->text().startsWith("Filling level : ")) << typed.toStdString();
  }
  EXPECT_EQ(line->text(), "Filling level : a number is needed here");
  // A lone comma before the decimals, as the number fields take it, also in
  // a cell still open when Ok is given.
  grid->item(0, 0)->setText("1,5");
  EXPECT_EQ(grid->item(0, 0)->text(), "1.5");
  EXPECT_EQ(line->text(), "");
  grid->setCurrentCell(0, 1);
  grid->editItem(grid->item(0, 1));
  auto* cell = grid->findChild<QLineEdit*>();
  ASSERT_NE(cell, nullptr);
  cell->setText("2,5");
  control<QPushButton>(dialog, "BT_ok")->click();
  EXPECT_EQ(aftward().Points.at(1).L, 2.5F);
}

// What each row says, and whether it stands out, is the dialog state's test; the dialog shows
// the state of its working copy while the user types, and the verdicts only with the ship data.
TEST_F(ResonanceDialog, ShowsTheStateOfItsWorkingCopyWhileTheUserTypes) {
  FM_ResKora dialog(editor, kAftwardCompartment);
  auto* grid = control<QTableWidget>(dialog, "SS_Res");
  auto* results = control<QTableWidget>(dialog, "SS_Results");
  grid->item(0, 0)->setText("0");
  grid->item(1, 2)->setText("15");
  EXPECT_EQ(dialog.windowTitle(), "Resonance *");
  control<QPushButton>(dialog, "BT_ok")->click();

  const ResonanceDialogState state = resonanceDialogState(aftward(), session().ship());
  EXPECT_EQ(control<QLabel>(dialog, "LB_Periods")->text().toStdString(), state.Periods);
  ASSERT_EQ(results->rowCount(), 3);
  ASSERT_EQ(state.Results.size(), 3U);
  EXPECT_NE(state.Results[0].AtRisk, state.Results[1].AtRisk);
  for (int row = 0; row < 3; ++row) {
    const ResonanceResultRow& shown = state.Results.at(static_cast<std::size_t>(row));
    for (int column = 0; column < 5; ++column) {
      const QTableWidgetItem* item = results->item(row, column);
      const ResonanceResultCell& cell = shown.Cells.at(static_cast<std::size_t>(column));
      EXPECT_EQ(item->text().toStdString(), cell.Text) << row << column;
      EXPECT_EQ(item->font().bold(), cell.Stressed) << row << column;
      EXPECT_EQ(item->background(), shown.AtRisk ? QBrush(QColor(255, 205, 205)) : QBrush());
    }
  }

  changeShip(session(), [](ShipData& ship) { ship.V = 0; });
  FM_ResKora withoutSpeed(editor, kAftwardCompartment);
  EXPECT_TRUE(control<QTableWidget>(withoutSpeed, "SS_Results")->isHidden());
}

}  // namespace
}  // namespace korain::testing
