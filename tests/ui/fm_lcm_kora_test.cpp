// The loading dialog: the groups each load type uses, and the JBP run's
// second set of hold data written on Ok as one change of the compartment.
#include "dialogs/fm_lcm_kora.h"

#include <QGroupBox>
#include <QRadioButton>

#include "edit/compartment_edits.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class LoadingDialog : public ExampleTest {
 protected:
  // The forward compartment: dry bulk cargo, with JBP hold data and alternate loading.
  const Compartment& forward() { return compartment(kForwardCompartment); }
  static NumberField* value(FM_LcmKora& dialog, int k) {
    return control<NumberField>(dialog, "FTX_m_" + QString::number(k));
  }
  static QString groupTitle(FM_LcmKora& dialog, int k) {
    return qobject_cast<QGroupBox*>(value(dialog, k)->parentWidget()->parentWidget())->title();
  }
  static bool shown(FM_LcmKora& dialog, int k) {
    QWidget* row = value(dialog, k)->parentWidget();
    return !row->isHidden() && !row->parentWidget()->isHidden();
  }
};

TEST_F(LoadingDialog, EachTypeShowsTheGroupsItUses) {
  FM_LcmKora dialog(editor, kForwardCompartment);
  EXPECT_TRUE(control<QRadioButton>(dialog, "OP_Type_4")->isChecked());
  struct Case {
    int type;
    std::vector<int> fields;
    const char* bulkTitle;
  };
  const Case cases[] = {{0, {}, ""},
                        {2, {1, 2, 3}, ""},
                        {3, {1, 2, 3, 4}, ""},
                        {5, {5, 6, 7}, "Load Data"},
                        {6, {1, 2, 3, 5, 6, 7}, "Homogeneous"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    control<QRadioButton>(dialog, "OP_Type_" + QString::number(c.type))->click();
    for (int k = 1; k <= 10; ++k) {
      const bool expected = std::find(c.fields.begin(), c.fields.end(), k) != c.fields.end();
      EXPECT_EQ(shown(dialog, k), expected) << k;
    }
    if (shown(dialog, 5)) {
      EXPECT_EQ(groupTitle(dialog, 5), c.bulkTitle);
    }
  }
}

TEST_F(LoadingDialog, AJbpRunWritesTheHoldDataTwiceAndTheAlternateLoading) {
  session().run.JbpMode = true;
  FM_LcmKora dialog(editor, kForwardCompartment);
  EXPECT_TRUE(shown(dialog, 8));
  EXPECT_EQ(value(dialog, 8)->text(), "18400");
  EXPECT_EQ(groupTitle(dialog, 5), "Homogeneous");
  control<QCheckBox>(dialog, "Check1")->click();
  typeInto(*value(dialog, 10), "32");
  control<QPushButton>(dialog, "BT_Ok")->click();

  EXPECT_EQ(session().undoLabel(), "Compartment load change");
  EXPECT_FALSE(forward().Flag6);
  EXPECT_EQ(forward().Table3.at(10), 32);
}

}  // namespace
}  // namespace korain::testing
