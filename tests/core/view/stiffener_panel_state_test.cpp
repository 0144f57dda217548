// What the ordinary stiffeners panel shows of a selection and writes into it:
// the values its stiffeners share on a tab, the records each tab edits, the
// group, the interval it steps through and the soft-toe question.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/stiffener_panel_state.h"

#include <gtest/gtest.h>

#include "edit/form_edit.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

// Three stiffeners at 1, 1.8 and 3, the last two selected: both angles 200 x 10
// with flanges that differ; a fitted upper bracket on one of them.
Arrangement mixedSelection() {
  Arrangement a;
  a.CurBulkhead = 1;
  Bulkhead& b = a.Bulkheads.append();
  for (const Single position : {1.0F, 1.8F, 3.0F}) {
    OrdinaryStiffener& s = b.Stiffeners.append();
    s.Position = position;
    s.Selected = position > 1;
    s.Scant = {.Typ = kAngleProfile, .H1 = 200, .E1 = 10, .H2 = position, .E2 = 12};
    s.Brackets.at(2).Enabled = position > 2;
  }
  b.Stiffeners.at(1).Scant.H1 = 300;  // not selected: not looked at
  return a;
}

template <typename Record>
RowState stateOf(const FormTable<Record>& table, std::string_view name, const Arrangement& a,
                 StiffenerTab tab) {
  return tableRowState(table, *rowNamed(table, name), a, {.tab = static_cast<int>(tab)});
}

TEST(StiffenerForms, ASelectionShowsWhatItShares) {
  const Arrangement a = mixedSelection();
  const FormTable<Scantling>& scantling = stiffenerScantlingForm();
  struct Case {
    const char* name;
    std::optional<FormValue> value;
  };
  for (const Case& c : {Case{"SS_type", double{kAngleProfile}}, Case{"FTX_Stiff_0", 200.0},
                        Case{"FTX_Stiff_2", std::nullopt}, Case{"FTX_Stiff_3", 12.0}}) {
    const RowState state = stateOf(scantling, c.name, a, StiffenerTab::Scantling);
    EXPECT_EQ(state.value, c.value) << c.name;
    EXPECT_TRUE(state.enabled) << c.name;
  }
  // One upper bracket fitted, one not: the tab cannot tell whether its
  // scantling is the selection's to edit, and leaves it alone.
  EXPECT_EQ(stateOf(scantling, "FTX_Stiff_0", a, StiffenerTab::UpperBracket), RowState{});
  const RowState fitted =
      stateOf(stiffenerBracketForm(), "OP_Brack_1", a, StiffenerTab::UpperBracket);
  EXPECT_TRUE(fitted.enabled && !fitted.value);
  // No span in the interval: nothing of a span to show.
  EXPECT_EQ(stateOf(stiffenerSpanForm(), "CB_Mat", a, StiffenerTab::SpanScantling), RowState{});
}

TEST(StiffenerForms, AValueGoesIntoTheTabsRecordOfEverySelectedStiffener) {
  Arrangement a = mixedSelection();
  const FormTable<Bracket>& brackets = stiffenerBracketForm();
  const FormPlace upper{.tab = static_cast<int>(StiffenerTab::UpperBracket)};
  // "No bracket" unticked fits the bracket.
  setFormField(a, brackets, *rowNamed(brackets, "OP_Brack_1"), FormValue{false}, upper);
  const FormTable<Scantling>& scantling = stiffenerScantlingForm();
  setFormField(a, scantling, *rowNamed(scantling, "FTX_Stiff_0"), FormValue{150.0}, upper);
  const List<OrdinaryStiffener>& stiffeners = a.Bulkheads.at(1).Stiffeners;
  for (int k = 1; k <= 3; ++k) {
    const Bracket& bracket = stiffeners.at(k).Brackets.at(2);
    EXPECT_EQ(bracket.Enabled, k > 1) << k;
    EXPECT_EQ(bracket.Scant.H1, k > 1 ? 150 : 0) << k;
    EXPECT_EQ(stiffeners.at(k).Scant.H1, k > 1 ? 200 : 300) << k;
  }
}

TEST(StiffenerForms, AnEndSpansBracketIsTheStiffenersOwn) {
  Arrangement a = mixedSelection();
  Bulkhead& b = a.Bulkheads.at(1);
  b.CurSpan = 2;
  for (OrdinaryStiffener& s : b.Stiffeners) {
    s.Spans.resize(2);
    s.IntervalSpans.append(1);
    s.IntervalSpans.append(2);
  }
  const FormTable<StiffenerSpan>& spans = stiffenerSpanForm();
  const FormPlace spanBrackets{.tab = static_cast<int>(StiffenerTab::SpanBracket)};
  setFormField(a, spans, *rowNamed(spans, "FTX_Stiff_5"), FormValue{0.3}, spanBrackets);
  setFormField(a, spans, *rowNamed(spans, "FTX_Stiff_6"), FormValue{0.4}, spanBrackets);
  const OrdinaryStiffener& s = b.Stiffeners.at(2);
  EXPECT_EQ(s.Spans.at(2).LowerBracketLength, 0.3F);
  // The last span's upper bracket is the stiffener's; its lower one is not.
  EXPECT_EQ(s.Brackets.at(2).Length, 0.4F);
  EXPECT_EQ(s.Brackets.at(1).Length, Bracket{}.Length);
  EXPECT_EQ(b.Stiffeners.at(1).Brackets.at(2).Length, Bracket{}.Length);
}

TEST(StiffenerPanelState, TheGroupItsAxisAndTheIntervalsAroundTheCurrentOne) {
  Bulkhead b = mixedSelection().Bulkheads.at(1);
  b.stfHV = kVertical;
  b.Supports.resize(3);
  b.CurSpan = 1;
  StiffenerPanelState state = stiffenerPanelState(b);
  EXPECT_EQ(state.Position, 1.8F);
  EXPECT_FLOAT_EQ(*state.Spacing, 1.2F);
  EXPECT_EQ(state.AxisCaption, "&Y :");
  // The steps stop at the first and the last interval.
  for (const auto& [step, interval] : {std::pair{-1, 1}, {1, 2}, {1, 3}, {1, 3}, {-1, 2}}) {
    b.CurSpan = static_cast<Integer>(steppedInterval(b, step));
    EXPECT_EQ(b.CurSpan, interval);
  }
  b.stfHV = kHorizontal;
  state = stiffenerPanelState(b);
  EXPECT_EQ(state.AxisCaption, "&Z :");
  EXPECT_TRUE(state.EarlierInterval && state.LaterInterval);
}

TEST(SoftToe, AskedForEachSelectedStiffenerWithABracketAndBeforeFittingOne) {
  Bulkhead b = mixedSelection().Bulkheads.at(1);
  b.Stiffeners.at(1).Brackets.at(1).Enabled = true;  // not selected: not asked
  b.Stiffeners.at(2).Brackets.at(1).Enabled = true;
  const FormValue soft{double{kSoftToe}};
  EXPECT_EQ(questionBefore(b, "CB_typeConn", soft),
            (StiffenerQuestion{.times = 2, .onNo = FormValue{double{kNoSoftToe}}}));
  EXPECT_EQ(questionBefore(b, "CB_typeConn", FormValue{double{kNoSoftToe}}), std::nullopt);
  EXPECT_EQ(questionBefore(b, "OP_Brack_1", FormValue{false}), std::nullopt);
  for (OrdinaryStiffener& s : b.Stiffeners) s.TypeConn = kSoftToe;
  EXPECT_EQ(questionBefore(b, "OP_Brack_1", FormValue{false}), StiffenerQuestion{.times = 1});
  EXPECT_EQ(questionBefore(b, "OP_Brack_1", FormValue{true}), std::nullopt);
  for (OrdinaryStiffener& s : b.Stiffeners) s.Brackets = {};
  EXPECT_EQ(questionBefore(b, "CB_typeConn", soft), std::nullopt);
}

}  // namespace
}  // namespace korain
