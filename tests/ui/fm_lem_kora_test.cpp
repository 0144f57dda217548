// The dimensions dialog: its fields reach their Table1 entries on Ok, the
// computed position and the rule roll options lock their fields, and Cancel
// leaves the compartment as it was.
#include "dialogs/fm_lem_kora.h"

#include <QGroupBox>

#include "edit/compartment_edits.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class DimensionsDialog : public ExampleTest {
 protected:
  const Compartment& aftward() { return compartment(kAftwardCompartment); }
  static NumberField* entry(FM_LemKora& dialog, int k) {
    return control<NumberField>(dialog, "FTX_vcog_" + QString::number(k));
  }
};

TEST_F(DimensionsDialog, OkWritesEveryEntryAsOneChange) {
  FixedList<Single, 20> expected = aftward().Table1;
  FM_LemKora dialog(editor, kAftwardCompartment);
  EXPECT_EQ(entry(dialog, 1)->text(), "28");
  EXPECT_EQ(dialog.findChild<QWidget*>("FTX_vcog_2"), nullptr);  // the resonance dialog's
  control<QCheckBox>(dialog, "OP_UseCalcRoll")->click();
  control<QCheckBox>(dialog, "OP_UseCalcYZ")->click();
  for (const int k : {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}) {
    typeInto(*entry(dialog, k), QString::number(k + 0.5));
    expected.at(k) = static_cast<Single>(k + 0.5);
  }
  control<QPushButton>(dialog, "BT_Ok")->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(session().undoLabel(), "Compartment dimensions change");
  EXPECT_FALSE(aftward().UseComputedYZ);
  EXPECT_FALSE(aftward().UseRuleRoll);
  EXPECT_EQ(aftward().Table1, expected);
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

}  // namespace
}  // namespace korain::testing
