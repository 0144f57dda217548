// A click or a popup while a field holds a refused text touches nothing but
// what it lands on.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPointer>
#include <QToolTip>

#include "dialogs/fm_main_data.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

// The tip window on show, if any.
QWidget* shownTip() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "qtooltip_label" && window->isVisible()) return window;
  }
  return nullptr;
}

class RefusalInADialog : public ExampleTest {
 protected:
  void SetUp() override {
    ExampleTest::SetUp();
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }

  NumberField& stateIndex() { return *control<NumberField>(dialog, "TX_State"); }

  FM_MainData dialog{editor};
};

// A click on a tip (here the field's own range, as hovering shows it) while the
// field holds a refused text: the tip is no part of the form, so the click does
// not settle the field again, and the tip lives until Qt has delivered it.
// Settling it again once showed a new tip, which deleted the one under the
// click while Qt was still delivering the click to it.
TEST_F(RefusalInADialog, AClickOnATipWhileATextIsRefusedLeavesTheRefusalAndTheTip) {
  NumberField& field = stateIndex();
  typeInto(field, "0");
  ASSERT_TRUE(field.holdsRefusal());
  QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())), field.rangeText(), &field);
  const QPointer<QWidget> tip = shownTip();
  ASSERT_NE(tip, nullptr);
  QTest::mouseClick(tip, Qt::RightButton);
  QTest::mouseClick(tip, Qt::LeftButton);
  EXPECT_TRUE(field.holdsRefusal());
  EXPECT_EQ(field.text(), "0");
}

}  // namespace
}  // namespace korain::testing
