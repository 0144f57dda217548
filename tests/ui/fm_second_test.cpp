// The ordinary stiffeners panel driven as a user does: a group chosen in the
// list, moved, given a profile and a connection, then deleted; and the wizard:
// what it proposes, the refused zero spacing, the row made as one change or not at all.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_second.h"

#include <QItemSelectionModel>

#include "dialogs/fm_second_wiz.h"
#include "dialogs/fm_span_brackets.h"
#include "edit/stiffener_edits.h"
#include "ui_test_support.h"
#include "view/stiffener_panel_state.h"

namespace korain::testing {
namespace {

// The example has 18 vertical stiffeners 0.8 m apart, with brackets.
class SecondPanel : public PanelTest<FM_Second> {
 protected:
  QListWidget* list() { return find<QListWidget>("LI_Stiff"); }
  NumberField* field(const char* name) { return find<NumberField>(name); }

  // Rows first to last (0-based) chosen in one gesture, as a Shift+click does.
  void chooseRows(int first, int last) {
    const QItemSelection rows(list()->model()->index(first, 0), list()->model()->index(last, 0));
    list()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
  }
  std::vector<int> selectedRows() {
    std::vector<int> rows;
    for (int k = 1; k <= bulkhead().Stiffeners.count(); ++k) {
      if (bulkhead().Stiffeners.at(k).Selected) rows.push_back(k);
    }
    return rows;
  }
};

TEST_F(SecondPanel, AGroupIsMovedProfiledConnectedAndDeleted) {
  ASSERT_EQ(list()->count(), 18);
  chooseRows(1, 3);
  EXPECT_EQ(selectedRows(), (std::vector<int>{2, 3, 4}));
  EXPECT_FALSE(session().canUndo());
  EXPECT_EQ(field("FTX_m_0")->text(), "1.6");

  // Moved past a stiffener that stays: the list is sorted again and shows the
  // selection gone with its stiffeners. How the group keeps its distances and its
  // selection is the stiffener edits' rule, tested in the core.
  typeInto(*field("FTX_m_0"), "2.9");
  EXPECT_EQ(session().undoLabel(), "Ordinary stiffener position change");
  EXPECT_TRUE(list()->item(4)->isSelected());
  EXPECT_FALSE(list()->item(3)->isSelected());

  button("SS_type_1")->click();  // Bulb
  EXPECT_EQ(session().undoLabel(), "Ordinary type change");
  for (const int k : selectedRows()) EXPECT_EQ(bulkhead().Stiffeners.at(k).Scant.Typ, 2);

  // Every selected stiffener has brackets: No to the first question stops.
  prompt().answers = {Answer::No};
  choose(*find<QComboBox>("CB_typeConn"), 1);
  ASSERT_EQ(prompt().asked.size(), 1U);
  // Going against the rule stops the user, and a hasty Enter says No.
  EXPECT_EQ(prompt().asked[0].icon, Icon::CriticalStop);
  EXPECT_EQ(prompt().asked[0].defaultAnswer, Answer::No);
  EXPECT_EQ(session().undoLabel(), "Ordinary stiffener connection type change");
  for (const int k : selectedRows()) EXPECT_EQ(bulkhead().Stiffeners.at(k).TypeConn, kNoSoftToe);
  EXPECT_EQ(find<QComboBox>("CB_typeConn")->currentText(), "No Soft toe");

  prompt().answers = {Answer::Yes};
  panel.runCommand(ItemCommand::Remove);
  EXPECT_EQ(prompt().messages.back(), "Are you sure to erase 3 ordinary stiff(s) ?");
  EXPECT_EQ(list()->count(), 15);
  EXPECT_TRUE(list()->selectedItems().isEmpty());
}

TEST_F(SecondPanel, TheBracketTabsEditTheirBracketAndAskBeforeFittingOneUnderSoftToe) {
  chooseRows(0, 0);
  choose(*find<QComboBox>("CB_Tab"), 1);
  EXPECT_EQ(list()->item(0)->text(), "01 F- 350.0 x 12.0");
  EXPECT_EQ(field("FTX_Stiff_4")->text(), "0.35");

  button("OP_Brack_1")->click();  // no upper bracket
  EXPECT_EQ(session().undoLabel(), "Ordinary brackets change");
  EXPECT_FALSE(bulkhead().Stiffeners.at(1).Brackets.at(2).Enabled);
  EXPECT_EQ(list()->item(0)->text(), "01 no bracket");

  // Under a soft toe, fitting the bracket again is asked; No keeps it off.
  changeFirstBulkhead(session(), [](Bulkhead& b) { b.Stiffeners.at(1).TypeConn = kSoftToe; });
  button("OP_Brack_1")->click();
  EXPECT_EQ(prompt().asked.size(), 1U);
  EXPECT_FALSE(bulkhead().Stiffeners.at(1).Brackets.at(2).Enabled);
  EXPECT_TRUE(find<QCheckBox>("OP_Brack_1")->isChecked());
}

TEST_F(SecondPanel, TheSectionModulusFollowsTheCurrentSpanItsProfileAndTheDeduction) {
  const QLabel& shown = *find<QLabel>("LB_SectionModulus");
  chooseRows(0, 0);
  choose(*find<QComboBox>("CB_Tab"), 3);  // by span scantling
  // The first, an angle 350×12, 100×17, gives these figures worked by hand too.
  for (const char* span :
       {"Z 1029.7 cm³ at the flange, 3834.3 cm³ at the plate, with plate 800 × 16.5 mm",
        "Z 794.3 cm³ at the flange, 2746.8 cm³ at the plate, with plate 800 × 13.5 mm",
        "Z 785.0 cm³ at the flange, 2505.4 cm³ at the plate, with plate 800 × 12 mm"}) {
    EXPECT_EQ(shown.text().toStdString(), span);
    button("BT_Span_1")->click();
  }
  changeRun(session(), [](StartupState& run) { run.paths.ThicknessDeduction = 2; });
  session().refresh(Follow::Panel);
  EXPECT_TRUE(shown.text().contains("mm\nNet, 2 mm off: Z ")) << shown.text().toStdString();

  // The first span has a scantling of its own (the last takes the stiffener's).
  button("BT_Span_0")->click();
  button("BT_Span_0")->click();
  button("SS_type_4")->click();  // no profile
  EXPECT_TRUE(shown.text().startsWith("No section modulus: ")) << shown.text().toStdString();
  list()->clearSelection();
  EXPECT_EQ(shown.text(), "");
}

// The example's stiffeners all run through interval 1 from their own lower end.
// Brackets at their lower ends, for three of them in one step.
TEST_F(SecondPanel, BracketsAtTheSpansLowerEndsOfAGroupAreOneStep) {
  chooseRows(0, 2);
  ASSERT_TRUE(button("BT_SpanBrackets")->isEnabled());
  const List<OrdinaryStiffener> before = bulkhead().Stiffeners;
  FM_SpanBrackets dialog(editor);
  const auto field = [&dialog](const char* name) { return control<NumberField>(dialog, name); };
  EXPECT_FALSE(field("FTX_FlatBarHeight")->isEnabled());
  typeInto(*field("FTX_BracketLength"), "0.6");
  // The example's stiffeners have soft toes: the bracket is asked about, and No changes nothing.
  prompt().answers = {Answer::No, Answer::Yes};
  control<QPushButton>(dialog, "BT_Ok")->click();
  ASSERT_EQ(prompt().asked.size(), 1U);
  EXPECT_EQ(prompt().asked.front().text, kSoftToeQuestion);
  EXPECT_FALSE(session().canUndo());
  control<QPushButton>(dialog, "BT_Ok")->click();
  EXPECT_EQ(session().undoLabel(), "Brackets at span ends");
  for (int k = 1; k <= 4; ++k) {
    const Bracket& lower = bulkhead().Stiffeners.at(k).Brackets.at(1);
    EXPECT_EQ(lower.Enabled && lower.Length == 0.6F, k <= 3) << k;
  }
  EXPECT_TRUE(session().undo());
  EXPECT_EQ(bulkhead().Stiffeners, before);
  EXPECT_FALSE(session().canUndo());
}

// The wizard on the example, whose stiffeners stand 0.8 m apart up to y 14.4.
using StiffenerWizard = ExampleTest;

TEST_F(StiffenerWizard, ProposesTheRowAfterTheLastStiffenerAndRefusesAZeroSpacing) {
  FM_SecondWiz wizard(editor);
  const auto field = [&wizard](const char* name) { return control<NumberField>(wizard, name); };
  EXPECT_EQ(field("FTX_m_0")->text(), "15.2");
  typeInto(*field("FTX_m_0"), "2");
  EXPECT_GT(field("FTX_m_2")->text().toInt(), 10);

  typeInto(*field("FTX_m_1"), "0");
  EXPECT_EQ(prompt().messages, std::vector<std::string>{"Please enter a valid spacing value"});
  EXPECT_EQ(field("FTX_m_1")->text(), "1");

  EXPECT_FALSE(session().display().RowPreview.empty());
  control<QPushButton>(wizard, "BT_Cancel")->click();
  EXPECT_FALSE(session().canUndo());
  EXPECT_TRUE(session().display().RowPreview.empty());
}

// Ticked by default, "To the end" fills the room to the bulkhead's side, the
// last stiffener at least half a spacing clear of it; unticked, the number
// counts the whole spacings up to the side.
TEST_F(StiffenerWizard, ProposesARowThatReachesTheEnd) {
  FM_SecondWiz wizard(editor);
  const auto field = [&wizard](const char* name) { return control<NumberField>(wizard, name); };
  auto& toTheEnd = *control<QCheckBox>(wizard, "OP_ToTheEnd");
  EXPECT_TRUE(toTheEnd.isChecked());
  const double end = bulkhead().YMax;
  for (const double start : {0.3, 0.5, 0.7}) {
    typeInto(*field("FTX_m_0"), QString::number(start));
    typeInto(*field("FTX_m_1"), "0.8");
    const int number = field("FTX_m_2")->text().toInt();
    const double last = start + 0.8 * (number - 1);
    EXPECT_LE(last, end - 0.4 + 1e-6) << start;
    EXPECT_GT(last + 0.8, end - 0.4) << start;
    toTheEnd.click();
    EXPECT_EQ(field("FTX_m_2")->text().toInt(), static_cast<int>((end - start) / 0.8)) << start;
    toTheEnd.click();
  }
}

// A row started among the stiffeners leaves out the places they hold, and says how many.
TEST_F(StiffenerWizard, LeavesOutWhatExistingStiffenersHoldAndSaysSo) {
  FM_SecondWiz wizard(editor);
  const auto field = [&wizard](const char* name) { return control<NumberField>(wizard, name); };
  const int before = bulkhead().Stiffeners.count();
  typeInto(*field("FTX_m_0"), "0.4");
  typeInto(*field("FTX_m_1"), "0.4");
  typeInto(*field("FTX_m_2"), "4");
  EXPECT_EQ(control<QLabel>(wizard, "LB_Taken")->text(),
            "2 of these positions hold a stiffener already and are left out");
  // The drawing shows the row the fields make, 0.4 and 1.2, until the wizard closes.
  const std::vector<Single>& shown = session().display().RowPreview;
  ASSERT_EQ(shown.size(), 2U);
  EXPECT_FLOAT_EQ(shown.back(), 1.2F);
  control<QPushButton>(wizard, "BT_Ok")->click();
  EXPECT_EQ(bulkhead().Stiffeners.count(), before + 2);
  EXPECT_TRUE(shown.empty());
}

TEST_F(StiffenerWizard, OkMakesTheRowAsOneStep) {
  FM_SecondWiz wizard(editor);
  const auto field = [&wizard](const char* name) { return control<NumberField>(wizard, name); };
  const int before = bulkhead().Stiffeners.count();
  typeInto(*field("FTX_m_0"), "0.4");
  typeInto(*field("FTX_m_2"), "3");
  control<QPushButton>(wizard, "BT_Ok")->click();
  EXPECT_EQ(session().undoLabel(), "Ordinary stiffeners wizard creation");
  ASSERT_EQ(bulkhead().Stiffeners.count(), before + 3);
  EXPECT_TRUE(session().undo());
  EXPECT_EQ(bulkhead().Stiffeners.count(), before);
}

}  // namespace
}  // namespace korain::testing
