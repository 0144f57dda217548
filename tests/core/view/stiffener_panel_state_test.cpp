// What the ordinary stiffeners panel shows of a selection: the values its
// stiffeners share, nothing where they differ, and what can be edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/stiffener_panel_state.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

// Three stiffeners at 1, 1.8 and 3, the last two selected: both angles 200 x 10
// with flanges that differ, of material 2; a fitted upper bracket on one of them.
Bulkhead mixedSelection() {
  Bulkhead b;
  for (const Single position : {1.0F, 1.8F, 3.0F}) {
    OrdinaryStiffener& s = b.Stiffeners.append();
    s.Position = position;
    s.Selected = position > 1;
    s.iMat = 2;
    s.Scant = {.Typ = kAngleProfile, .H1 = 200, .E1 = 10, .H2 = position, .E2 = 12};
    s.Brackets.at(2).Enabled = position > 2;
  }
  b.Stiffeners.at(1).Scant.H1 = 300;  // not selected: not looked at
  return b;
}

TEST(StiffenerPanelState, ASelectionShowsWhatItsStiffenersShareAndEmptiesTheRest) {
  const StiffenerPanelState state = stiffenerPanelState(mixedSelection(), StiffenerTab::Scantling);
  EXPECT_EQ(state.Shown, (StiffenerValues{.Typ = kAngleProfile,
                                          .H1 = 200,
                                          .E1 = 10,
                                          .E2 = 12,
                                          .Mat = 2,
                                          .SpanReduction = 0}));
  EXPECT_EQ(state.Position, 1.8F);
  EXPECT_FLOAT_EQ(*state.Spacing, 1.2F);
  EXPECT_TRUE(state.ScantlingEditable && state.WebEditable && state.FlangeEditable);

  // One bracket fitted, one not: the tab cannot tell whether its scantling is
  // the bracket's to edit, and leaves it alone.
  const StiffenerPanelState bracket =
      stiffenerPanelState(mixedSelection(), StiffenerTab::UpperBracket);
  EXPECT_EQ(bracket.Shown.NoBracket, std::nullopt);
  EXPECT_EQ(bracket.Shown.Fixed, false);
  EXPECT_FALSE(bracket.ScantlingEditable || bracket.WebEditable);
  EXPECT_EQ(bracket.Shown.Typ, std::nullopt);

  // No span in the interval: nothing of a span to show.
  const StiffenerPanelState span =
      stiffenerPanelState(mixedSelection(), StiffenerTab::SpanScantling);
  EXPECT_EQ(span.Shown.DefaultScantling, std::nullopt);
  EXPECT_EQ(span.Shown.Mat, std::nullopt);
  EXPECT_FALSE(span.ScantlingEditable);
}

TEST(StiffenerPanelState, NothingSelectedShowsNothingAndEditsNothing) {
  Bulkhead b = mixedSelection();
  for (OrdinaryStiffener& s : b.Stiffeners) s.Selected = false;
  EXPECT_EQ(stiffenerPanelState(b, StiffenerTab::Scantling), StiffenerPanelState{});
}

TEST(StiffenerPanelState, AFlatProfileHasAWebOnly) {
  Bulkhead b = mixedSelection();
  for (OrdinaryStiffener& s : b.Stiffeners) s.Scant.Typ = kFlatProfile;
  const StiffenerPanelState state = stiffenerPanelState(b, StiffenerTab::Scantling);
  EXPECT_TRUE(state.WebEditable);
  EXPECT_FALSE(state.FlangeEditable);
}

}  // namespace
}  // namespace korain
