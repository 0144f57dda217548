// The bulkhead panel's edits and what the panels settle before they show the
// data: new bulkheads, removals, default stool tops and the current indices.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/bulkhead_edits.h"

#include <gtest/gtest.h>

#include "edit/selection_edits.h"
#include "model/codes.h"
#include "sample_arrangement.h"

namespace korain {
namespace {

// A bulkhead whose contour runs from zMin to zMax, with the stool tops given.
Bulkhead withHeight(Single zMin, Single zMax, Single stool1Z = 0, Single stool2Z = 0) {
  Bulkhead b;
  b.ZMin = zMin;
  b.ZMax = zMax;
  b.Stool1Z = stool1Z;
  b.Stool2Z = stool2Z;
  return b;
}

TEST(BulkheadEdits, ANewOneIsNamedAfterItsNumberAndRemovingTheLastLeavesNoCurrent) {
  Arrangement a;
  addBulkhead(a, 3);
  addBulkhead(a, 2);
  ASSERT_EQ(a.Bulkheads.count(), 2);
  EXPECT_EQ(a.Bulkheads.at(2).Name, "New Bulkhead 2");
  EXPECT_EQ(a.Bulkheads.at(2).iMat, 2);
  EXPECT_EQ(a.CurBulkhead, 2);
  EXPECT_EQ(a.Bulkheads.at(2).Nodes.count(), 0);

  addBulkhead(a, 1);
  a.CurBulkhead = 2;
  ASSERT_EQ(removeBulkhead(a), EditOutcome{});
  EXPECT_EQ(a.Bulkheads.at(2).Name, "New Bulkhead 3");
  EXPECT_EQ(a.CurBulkhead, 2);
  ASSERT_EQ(removeBulkhead(a), EditOutcome{});
  EXPECT_EQ(a.CurBulkhead, 0);
}

TEST(BulkheadEdits, AStoolWithoutTopStartsAtTheContoursLimit) {
  struct Case {
    const char* what;
    Bulkhead bulkhead;
    bool lacks;
    Single lower;
    Single upper;
  };
  const Case cases[] = {
      {"no tops", withHeight(1.8F, 18), true, 1.8F, 18},
      {"tops given", withHeight(1.8F, 18, 3.6F, 15), false, 3.6F, 15},
      {"below the tolerance", withHeight(1.8F, 18, 0.0009F, 15), true, 1.8F, 15},
      // Bounds left inverted by a contour-less computation: no height yet.
      {"no contour", withHeight(9999, -9999), false, 0, 0},
  };
  for (Case c : cases) {
    EXPECT_EQ(lacksStoolTop(c.bulkhead), c.lacks) << c.what;
    storeDefaultStoolTops(c.bulkhead);
    EXPECT_EQ(c.bulkhead.Stool1Z, c.lower) << c.what;
    EXPECT_EQ(c.bulkhead.Stool2Z, c.upper) << c.what;
    EXPECT_FALSE(lacksStoolTop(c.bulkhead)) << c.what;
  }
}

TEST(SelectionEdits, IndicesOutsideTheirListShowTheFirstElement) {
  Arrangement a;
  Selection s = selectionOf(a);
  settleSelection(s, a, PanelCode::Nodes);
  EXPECT_EQ(s.CurBulkhead, 0);  // nothing to show
  a.Bulkheads.append();
  s = selectionOf(a);
  settleSelection(s, a, PanelCode::Nodes);
  EXPECT_EQ(s.CurBulkhead, 1);
  EXPECT_EQ(s.bulkheads.front().CurSpan, 1);  // no interval lies below 1
  for (const auto& [index, count, shown] :
       {std::tuple{0, 3, 1}, std::tuple{4, 3, 1}, std::tuple{3, 3, 3}, std::tuple{2, 0, 2}}) {
    auto current = static_cast<Integer>(index);
    keepInList(current, count);
    EXPECT_EQ(current, shown) << index << " of " << count;
  }
  // A strake is chosen in the current band only; no interval is chosen below 1.
  chooseStrake(s, 2);
  chooseInterval(s, 0);
  EXPECT_EQ(s.bulkheads.front().CurSpan, 1);
  chooseInterval(s, 3);
  EXPECT_EQ(s.bulkheads.front().CurSpan, 3);
  a.Bulkheads.at(1).StrakeBands.append().Strakes.redim(3);
  s = selectionOf(a);
  chooseBulkhead(s, 1);
  chooseBand(s, 1);
  chooseStrake(s, 3);
  EXPECT_EQ(s.bulkheads.front().curStrakes, std::vector<Integer>{3});
  a.Bulkheads.at(1).StrakeBands.at(1).Strakes.redim(2);
  settleSelection(s, a, PanelCode::Display);
  EXPECT_EQ(s.bulkheads.front().curStrakes, std::vector<Integer>{1});
  // A check covers every bulkhead: none is current on a check panel.
  settleSelection(s, a, PanelCode::StiffenerChecks);
  EXPECT_EQ(s.CurBulkhead, 0);
}

TEST(SelectionEdits, AMessageOrAPickSelectsItsObjectAndPanel) {
  // Two bulkheads of 4 nodes, 2 members, 3 stiffeners and 2 bands of 3 strakes.
  const Arrangement a = testing::sampleArrangement({.nodes = 4, .strakesPerBand = 3});
  Selection s = selectionOf(a);
  const auto bulkhead = [&s]() -> const BulkheadSelection& { return s.bulkheads.at(1); };
  using P = PanelCode;
  // The panel of the subject's kind, on bulkhead 2.
  const auto select = [&](P kind, Integer index, Integer subIndex = 0) {
    return selectSubject(s, a, {.bulkhead = 2, .kind = kind, .index = index, .subIndex = subIndex});
  };
  EXPECT_EQ(select(P::Nodes, 3), P::Nodes);
  EXPECT_EQ(s.CurBulkhead, 2);
  EXPECT_EQ(bulkhead().CurNode, 3);
  EXPECT_EQ(select(P::PrimaryMembers, 2), P::PrimaryMembers);
  EXPECT_EQ(bulkhead().CurPrim, 2);
  EXPECT_EQ(select(P::OrdinaryStiffeners, 2), P::OrdinaryStiffeners);
  EXPECT_EQ(bulkhead().selectedStiffeners, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(select(P::StrakeBands, 2, 3), P::StrakeBands);
  EXPECT_EQ(bulkhead().CurBand, 2);
  EXPECT_EQ(bulkhead().curStrakes.at(1), 3);
  EXPECT_EQ(selectSubject(s, a, {.bulkhead = 1, .kind = P::Bulkhead}), P::Bulkhead);
  EXPECT_EQ(s.CurBulkhead, 1);
  EXPECT_EQ(selectSubject(s, a, {.bulkhead = 3, .kind = P::Nodes, .index = 1}), std::nullopt);
  EXPECT_EQ(selectSubject(s, a, {.text = "about no bulkhead"}), std::nullopt);

  // A node picked on the node panel becomes current; on the display panel the
  // bulkhead panel takes over; a span selects its stiffener.
  EXPECT_EQ(selectPicked(s, a, PickCode::Node, {2, 4, 0}, P::Nodes), P::Nodes);
  EXPECT_EQ(bulkhead().CurNode, 4);
  EXPECT_EQ(selectPicked(s, a, PickCode::Node, {2, 1, 0}, P::Bulkhead), P::Bulkhead);
  EXPECT_EQ(bulkhead().CurNode, 4);
  EXPECT_EQ(selectPicked(s, a, PickCode::Contour, {1, 1, 0}, P::Display), P::Bulkhead);
  EXPECT_EQ(s.CurBulkhead, 1);
  EXPECT_EQ(selectPicked(s, a, PickCode::StiffenerSpan, {2, 3, 2}, P::Bulkhead),
            P::OrdinaryStiffeners);
  EXPECT_EQ(bulkhead().selectedStiffeners, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(selectPicked(s, a, PickCode::Nothing, {}, P::PrimaryMembers), P::PrimaryMembers);
}

}  // namespace
}  // namespace korain
