// What the node and primary members panels show besides their forms: the steps
// open from the item, the circle of a node's code, nothing without an item.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/item_panel_states.h"

#include <gtest/gtest.h>

#include "geometry/contour_arc.h"

namespace korain {
namespace {

TEST(ItemPanelStates, StepsCloseAtTheEndsAndNoItemShowsNothing) {
  EXPECT_EQ(itemSteps(1, 1), (ItemSteps{1, false, false}));
  EXPECT_EQ(itemSteps(2, 3), (ItemSteps{2, true, true}));
  EXPECT_EQ(itemSteps(3, 3), (ItemSteps{3, true, false}));
  EXPECT_EQ(itemSteps(4, 3), ItemSteps{});
  Bulkhead b;
  b.CurNode = 1;
  EXPECT_EQ(nodePanelState(&b), NodePanelState{});
}

TEST(ItemPanelStates, ANodeShowsTheCircleOfArcsOnly) {
  for (const auto& [code, circle] :
       {std::pair{kCurveStraight, false}, std::pair{kCurveArc, true},
        std::pair{kCurveTangentArc, true}, std::pair{Long{5}, false}}) {
    Bulkhead b;
    b.Nodes.append().ShCur = code;
    b.CurNode = 1;
    EXPECT_EQ(nodePanelState(&b).CircleShown, circle) << code;
  }
}

}  // namespace
}  // namespace korain
