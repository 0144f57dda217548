// Refusals are seen where the value was typed: a key that cannot be part of a
// number is turned away aloud, and a click or a popup while a field holds a
// text touches nothing but what it lands on.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QToolTip>

#include "dialogs/fm_main_data.h"
#include "dialogs/fm_res_kora.h"
#include "edit/compartment_edits.h"
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
  QString line() { return control<QLabel>(dialog, "LB_Refusal")->text(); }

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

// The field's context menu opens over the field without leaving it: what is
// typed is neither taken nor refused until the field is left.
TEST_F(RefusalInADialog, TheContextMenuOfAFieldBeingTypedInLeavesTheTextBeingTyped) {
  NumberField& field = stateIndex();
  field.setFocus();
  field.selectAll();
  QTest::keyClicks(&field, "0");
  QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(4, 4),
                              field.mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(&field, &menuAsked);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(field.holdsRefusal());
  EXPECT_EQ(line(), "");
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_EQ(field.text(), "0");
  QTest::keyClick(&field, Qt::Key_Return);
  EXPECT_TRUE(field.holdsRefusal());
  EXPECT_EQ(line(), "State index : a whole number from 1 to 32767");
}

// A letter is turned away where it was typed, and the window's status line says
// so until the next key is taken.
void expectLetterTurnedAway(QLineEdit& field, const QLabel& line, const QString& said) {
  const QString before = field.text();
  QTest::keyClicks(&field, "x");
  EXPECT_EQ(field.text(), before);
  EXPECT_EQ(line.text(), said);
  QTest::keyClicks(&field, "5");
  EXPECT_EQ(field.text(), before + "5");
  EXPECT_EQ(line.text(), "");
}

class LetterTyped : public MainWindowTest {};

TEST_F(LetterTyped, IntoAPanelsFieldIsTurnedAwayAloud) {
  auto* field = control<NumberField>(window_, "FTX_m_0");
  field->setFocus();
  field->end(false);
  expectLetterTurnedAway(*field, *control<QLabel>(window_, "PAN_State"),
                         "Lower stool Z : \"x\" is not part of a number");
}

TEST_F(LetterTyped, IntoADialogsFieldIsTurnedAwayAloudInTheDialog) {
  FM_MainData dialog(window_, &window_);
  dialog.show();
  auto* field = control<NumberField>(dialog, "FTX_m");
  field->setFocus();
  field->end(false);
  expectLetterTurnedAway(*field, *control<QLabel>(dialog, "LB_Refusal"),
                         "Longitudinal Location (from APP) : \"x\" is not part of a number");
  EXPECT_EQ(control<QLabel>(window_, "PAN_State")->text(), "");
}

TEST_F(LetterTyped, IntoAResonanceCellIsTurnedAwayAloudInTheDialog) {
  FM_ResKora dialog(window_, kAftwardCompartment, &window_);
  dialog.show();
  auto* grid = control<QTableWidget>(dialog, "SS_Res");
  grid->setCurrentCell(0, 1);
  grid->editItem(grid->item(0, 1));
  auto* cell = grid->findChild<QLineEdit*>();
  ASSERT_NE(cell, nullptr);
  cell->end(false);
  const QString before = cell->text();
  QTest::keyClicks(cell, "x");
  EXPECT_EQ(cell->text(), before);
  EXPECT_EQ(control<QLabel>(dialog, "LB_Refusal")->text(),
            "Free surface length : \"x\" is not part of a number");
}

}  // namespace
}  // namespace korain::testing
