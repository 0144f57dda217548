// Refusals are seen where the value was typed: a key that cannot be part of a
// number is turned away aloud, and a click or a popup while a field holds a
// text touches nothing but what it lands on.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "dialogs/fm_main_data.h"
#include "dialogs/fm_res_kora.h"
#include "edit/compartment_edits.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class RefusalInADialog : public ExampleTest {
 protected:
  void SetUp() override {
    ExampleTest::SetUp();
    dialog = std::make_unique<FM_MainData>(editor);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  }

  std::unique_ptr<FM_MainData> dialog;
};

// The field's context menu opens over it without leaving it: what is typed is
// neither taken nor refused until the field is left. Then a click on a tip
// (here the field's own range, as hovering shows it) while the field holds a
// refused text: the tip is no part of the form, so the click does not settle
// the field again, and the tip lives until Qt has delivered it. Settling it
// again once showed a new tip, which deleted the one under the click while Qt
// was still delivering the click to it.
TEST_F(RefusalInADialog, AContextMenuOrAClickOnATipLeavesTheFieldAsItIs) {
  NumberField& field = *control<NumberField>(*dialog, "TX_State");
  field.setFocus();
  field.selectAll();
  QTest::keyClicks(&field, "0");
  QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(4, 4), field.mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(&field, &asked);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_FALSE(field.holdsRefusal());
  EXPECT_EQ(control<QLabel>(*dialog, "LB_Refusal")->text(), "");

  QTest::keyClick(&field, Qt::Key_Return);
  ASSERT_TRUE(field.holdsRefusal());
  QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())), field.rangeText(), &field);
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  const auto tip = std::ranges::find(windows, "qtooltip_label", &QWidget::objectName);
  ASSERT_NE(tip, windows.end());
  QTest::mouseClick(*tip, Qt::RightButton);
  QTest::mouseClick(*tip, Qt::LeftButton);
  EXPECT_TRUE(field.holdsRefusal());
  EXPECT_EQ(field.text(), "0");
}

// A letter typed into a panel's field, a dialog's field or a Resonance cell is
// turned away, and the status line of the window it was typed in says so
// until the next key is taken.
void expectLetterTurnedAway(QLineEdit& field, const QLabel& line, const QString& said) {
  field.setFocus();
  field.end(false);
  const QString before = field.text();
  QTest::keyClicks(&field, "x");
  EXPECT_EQ(field.text(), before);
  EXPECT_EQ(line.text(), said);
  QTest::keyClicks(&field, "5");
  EXPECT_EQ(field.text(), before + "5");
  EXPECT_EQ(line.text(), "");
}

class LetterTyped : public MainWindowTest {};

TEST_F(LetterTyped, IsTurnedAwayAloudInTheWindowItWasTypedIn) {
  const QLabel& mainLine = *control<QLabel>(window_, "PAN_State");
  expectLetterTurnedAway(*control<NumberField>(window_, "FTX_m_0"), mainLine,
                         "Lower stool Z : \"x\" is not part of a number");
  FM_MainData mainData(window_, &window_);
  expectLetterTurnedAway(*control<NumberField>(mainData, "FTX_m"),
                         *control<QLabel>(mainData, "LB_Refusal"),
                         "Longitudinal Location (from APP) : \"x\" is not part of a number");
  FM_ResKora resonance(window_, kAftwardCompartment, &window_);
  auto* grid = control<QTableWidget>(resonance, "SS_Res");
  grid->editItem(grid->item(0, 1));
  auto* cell = grid->findChild<QLineEdit*>();
  ASSERT_NE(cell, nullptr);
  expectLetterTurnedAway(*cell, *control<QLabel>(resonance, "LB_Refusal"),
                         "Free surface length : \"x\" is not part of a number");
  EXPECT_EQ(mainLine.text(), "");
}

}  // namespace
}  // namespace korain::testing
