// What the node and primary members panels show: the steps open from the item,
// the tool and circle of a node's code, a member's axis, nothing without an item.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/item_panel_states.h"

#include <gtest/gtest.h>

#include "model/codes.h"

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

TEST(ItemPanelStates, ANodeShowsTheToolAndCircleOfItsCodeAndAMemberItsAxis) {
  for (const auto& [code, tool, circle] :
       {std::tuple{kCurveStraight, 0, false}, std::tuple{kCurveArc, 2, true},
        std::tuple{kCurveTangentArc, 1, true}, std::tuple{Long{5}, 0, false}}) {
    Bulkhead b;
    b.Nodes.append().ShCur = code;
    b.CurNode = 1;
    EXPECT_EQ(std::pair(nodePanelState(&b).CurveTool, nodePanelState(&b).CircleShown),
              std::pair(std::optional(tool), circle)) << code;
  }
  Bulkhead b;
  b.PrimaryMembers.append().HV = kVertical;
  b.PrimaryMembers.at(1).Position = 11;
  b.CurPrim = 1;
  EXPECT_EQ(memberPanelState(&b), (MemberPanelState{{1, false, false}, 11, 1, "&Y :"}));
}

}  // namespace
}  // namespace korain
