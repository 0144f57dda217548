// The ordinary stiffeners panel's edits: each applies to the selected
// stiffeners only, keeps what the panel leaves empty and the list in order.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/stiffener_edits.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "checks/scantling_texts.h"
#include "checks/stiffener_rows.h"
#include "edit/selection_edits.h"
#include "model/codes.h"

namespace korain {
namespace {

// A vertically stiffened bulkhead from y 2 to 14 with stiffeners at the
// positions given, those marked selected; each stiffener runs from z 1 to 9.
Bulkhead bulkheadWith(const std::vector<double>& positions,
                      const std::vector<bool>& selected = {}) {
  Bulkhead b;
  b.stfHV = kVertical;
  b.YMin = 2;
  b.YMax = 14;
  b.ZLow = 1;
  for (std::size_t k = 0; k < positions.size(); ++k) {
    OrdinaryStiffener& s = b.Stiffeners.append();
    s.Position = static_cast<Single>(positions[k]);
    s.Extremities.append(1);
    s.Extremities.append(9);
    s.Selected = k < selected.size() && selected[k];
  }
  return b;
}

std::vector<double> positionsOf(const Bulkhead& b) {
  std::vector<double> positions;
  for (const OrdinaryStiffener& s : b.Stiffeners) positions.push_back(s.Position);
  return positions;
}

std::vector<bool> selectedOf(const Bulkhead& b) {
  std::vector<bool> selected;
  for (const OrdinaryStiffener& s : b.Stiffeners) selected.push_back(s.Selected);
  return selected;
}

TEST(AddStiffener, StartsTheRowAcrossTheStiffenersThenGoesOneMetreBeyondTheLast) {
  for (const auto& [hv, start] : {std::pair{kVertical, 2.0}, std::pair{kHorizontal, 1.0}}) {
    Bulkhead empty = bulkheadWith({});
    empty.stfHV = hv;
    addStiffener(empty);
    EXPECT_EQ(positionsOf(empty), std::vector<double>{start});
  }

  Bulkhead b = bulkheadWith({5, 3}, {true, false});
  addStiffener(b);
  EXPECT_EQ(positionsOf(b), (std::vector<double>{3, 4, 5}));
  EXPECT_EQ(selectedOf(b), (std::vector<bool>{false, true, false}));
  const OrdinaryStiffener& added = b.Stiffeners.at(2);
  EXPECT_TRUE(added.Brackets.at(1).Fixed && added.Brackets.at(2).Fixed);
  EXPECT_EQ(added.iMat, 1);
}

TEST(GroupEdits, MoveKeepsDistancesSpacingStepsFromTheFirstRemovalTakesTheSelection) {
  Bulkhead moved = bulkheadWith({3, 4, 5.5, 6, 9}, {false, true, false, true, true});
  moveSelectedStiffeners(moved, 10);
  EXPECT_EQ(positionsOf(moved), (std::vector<double>{3, 5.5, 10, 12, 15}));
  EXPECT_EQ(selectedOf(moved), (std::vector<bool>{false, false, true, true, true}));

  Bulkhead spaced = bulkheadWith({3, 4, 5.5, 6, 9}, {false, true, false, true, true});
  spaceSelectedStiffeners(spaced, 0.8F);
  const Single second = 4.0F + 0.8F;
  const std::vector<double> expected = {3, 4, second, 5.5, second + 0.8F};
  EXPECT_EQ(positionsOf(spaced), expected);

  Bulkhead removed = bulkheadWith({1, 2, 3, 4, 5}, {false, true, false, true, false});
  EXPECT_EQ(selectedStiffenerCount(removed), 2);
  EXPECT_TRUE(canRemoveStiffeners(removed));
  removeSelectedStiffeners(removed);
  EXPECT_EQ(positionsOf(removed), (std::vector<double>{1, 3, 5}));
  // Delete took the selection: with stiffeners left but none selected it has nothing to do.
  EXPECT_FALSE(canRemoveStiffeners(removed));
}

TEST(StiffenerWizard, ProposesARowToTheEndAndStepsOffTheMembersOfItsDirection) {
  Bulkhead b = bulkheadWith({});
  b.stfHV = kHorizontal;
  b.ZLow = 0.3F;
  b.ZHigh = 4;
  EXPECT_EQ(proposedSpacing(b), 0.8F);
  EXPECT_EQ(proposedStart(b, 0.7F), 0.3F + 0.7F);
  EXPECT_EQ(stiffenersThatFit(b, 1, 0.7F), 4);
  EXPECT_EQ(stiffenersThatFit(b, 1, 0), 0);
  EXPECT_EQ(stiffenersThatFit(b, 5, 0.7F), 0);
  // To the end: the last stiffener at least half a spacing clear of it, either way, where the
  // count of whole spacings stops 0.75 m short.
  EXPECT_EQ(stiffenersThatFit(b, 1, 0.45F), 6);
  for (const auto& [start, spacing, number] : {std::tuple{1.0F, 0.7F, 4},
                                               {1.0F, 0.45F, 7},
                                               {0.3F, 0.925F, 4},
                                               {0.4F, 0.8F, 5},
                                               {3.9F, 0.7F, 0},
                                               {3.5F, -0.5F, 6},
                                               {1.0F, 0.0F, 0},
                                               {5.0F, 0.7F, 0}}) {
    EXPECT_EQ(stiffenersToTheEnd(b, start, spacing), number) << start << " " << spacing;
  }

  for (const auto& [position, hv] : {std::pair{2.4F, kHorizontal}, std::pair{3.1F, kVertical}}) {
    PrimaryMember& member = b.PrimaryMembers.append();
    member.Position = position;
    member.HV = hv;
  }
  b.Stiffeners.append().Selected = true;
  addStiffenerRow(b, {.start = 1, .spacing = 0.7F, .number = 4}, 2);
  // The third falls on the horizontal member and moves on; the vertical one
  // crosses the stiffeners and is left alone.
  const Single third = 1.0F + 0.7F + 0.7F;
  EXPECT_EQ(positionsOf(b), (std::vector<double>{0, 1, 1.0F + 0.7F, third + 0.7F, third + 0.7F}));
  EXPECT_EQ(selectedOf(b), (std::vector<bool>{false, true, true, true, true}));
  for (int k = 2; k <= 5; ++k) {
    EXPECT_EQ(b.Stiffeners.at(k).iMat, 2);
    EXPECT_TRUE(b.Stiffeners.at(k).Brackets.at(1).Fixed && b.Stiffeners.at(k).Brackets.at(2).Fixed);
  }
  EXPECT_NEAR(proposedSpacing(bulkheadWith({3, 4.5})), 1.5, 1e-6);
}

// A row started among existing stiffeners puts none on them: a position within
// 1 mm of one is left out and counted.
TEST(StiffenerWizard, LeavesOutThePositionsExistingStiffenersHold) {
  Bulkhead b = bulkheadWith({3, 4.4005, 6});
  const StiffenerRow row{.start = 3, .spacing = 0.7F, .number = 4};
  const RowPlacement placement = placeRow(b, row);
  EXPECT_EQ(placement.taken, 2);
  ASSERT_EQ(placement.positions.size(), 2U);
  EXPECT_NEAR(placement.positions[0], 3.7, 1e-6);
  EXPECT_NEAR(placement.positions[1], 5.1, 1e-6);
  addStiffenerRow(b, row, 1);
  EXPECT_EQ(b.Stiffeners.count(), 5);
  EXPECT_EQ(selectedOf(b), (std::vector<bool>{false, true, false, true, false}));
}

TEST(SelectInDrawing, RectangleAndCtrlClickReachTheCurrentBulkheadsStiffeners) {
  Arrangement a;
  a.Bulkheads.append(bulkheadWith({3, 4, 5, 6}, {true, false, false, false}));
  a.CurBulkhead = 1;
  const Bulkhead& b = a.Bulkheads.at(1);
  // Corners in any order; a line crossing the rectangle or lying in it counts.
  EXPECT_EQ(stiffenersInRectangle(b, {5.5, 0}, {3.9, 2}),
            (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(stiffenersInRectangle(b, {2, 9.5}, {7, 12}), (std::vector<bool>(4, false)));

  Selection s = selectionOf(a);
  const auto selected = [&s] { return s.bulkheads.front().selectedStiffeners; };
  EXPECT_EQ(selectStiffenersWithin(s, a, {5.5, 0}, {3.9, 2}, PanelCode::Nodes),
            PanelCode::OrdinaryStiffeners);
  EXPECT_EQ(selected(), (std::vector<bool>{false, true, true, false}));
  // An empty rectangle leaves another panel's view alone.
  EXPECT_EQ(selectStiffenersWithin(s, a, {20, 20}, {21, 21}, PanelCode::Nodes), PanelCode::Nodes);
  EXPECT_EQ(selected(), (std::vector<bool>{false, true, true, false}));

  // Ctrl+click toggles a span's stiffener of the current bulkhead, whatever the panel.
  togglePicked(s, a, PickCode::StiffenerSpan, {.bulkhead = 1, .object = 3, .subObject = 1},
               PanelCode::OrdinaryStiffeners);
  togglePicked(s, a, PickCode::StiffenerSpan, {.bulkhead = 1, .object = 4}, PanelCode::Bulkhead);
  EXPECT_EQ(selected(), (std::vector<bool>{false, true, false, true}));
}

TEST(StiffenerRows, ShowWhatTheTabEdits) {
  OrdinaryStiffener s;
  s.Scant = {.Typ = kFlatProfile, .H1 = 200, .E1 = 12};
  s.Brackets.at(2) = {.Enabled = true, .Scant = {.Typ = kFlatProfile, .H1 = 150, .E1 = 10}};
  s.Spans.resize(2);
  s.Spans.at(1).LowerBracketLength = 1.5F;
  s.Spans.at(2) = {.HasScantling = true, .Scant = {.Typ = kFlatProfile, .H1 = 100, .E1 = 8}};
  s.IntervalSpans.append(1);
  s.IntervalSpans.append(2);
  s.IntervalSpans.append(0);
  const ShipData ship;
  struct Case {
    StiffenerTab tab;
    int interval;
    std::string row;
  };
  for (const Case& c : {Case{StiffenerTab::UpperBracket, 1, "07 F- 150.0 x 10.0"},
                        Case{StiffenerTab::LowerBracket, 1, "07 no bracket"},
                        Case{StiffenerTab::SpanScantling, 1, "07 default"},
                        Case{StiffenerTab::SpanBracket, 1, "07 01.5 00.0"},
                        Case{StiffenerTab::SpanBracket, 3, "07 invalid span 3"},
                        Case{StiffenerTab::SpanScantling, 4, "07 invalid span 4"}}) {
    EXPECT_EQ(stiffenerRowText(s, 7, c.tab, c.interval, ship), c.row);
  }
  EXPECT_EQ(stiffenerRowText(s, 7, StiffenerTab::Scantling, 1, ship),
            "07 " + scantlingLabel(s.Scant, ship));
  EXPECT_EQ(stiffenerRowText(s, 12, StiffenerTab::SpanScantling, 2, ship),
            "12 " + scantlingLabel(s.Spans.at(2).Scant, ship));
}

TEST(StiffenerTab, ACodeOfTheCheckPanelShowsTheFirstTab) {
  EXPECT_EQ(stiffenerTabOf(3), StiffenerTab::SpanScantling);
  EXPECT_EQ(stiffenerTabOf(11), StiffenerTab::Scantling);
  EXPECT_EQ(stiffenerTabOf(-1), StiffenerTab::Scantling);
}

}  // namespace
}  // namespace korain
