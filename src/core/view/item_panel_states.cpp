// The node and primary members panels' values and steps, from the current bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/item_panel_states.h"

#include <algorithm>
#include <iterator>

#include "checks/code_texts.h"
#include "model/codes.h"

namespace korain {
namespace {

int curveToolOf(Long curveCode) {
  const auto* tool = std::find(kCurveToolCodes.begin(), kCurveToolCodes.end(), curveCode);
  return tool == kCurveToolCodes.end()
             ? 0
             : static_cast<int>(std::distance(kCurveToolCodes.begin(), tool));
}

}  // namespace

ItemSteps itemSteps(int current, int count) {
  if (current < 1 || current > count) return {};
  return {.Current = current, .Previous = current > 1, .Next = current < count};
}

NodePanelState nodePanelState(const Bulkhead* bulkhead) {
  if (bulkhead == nullptr) return {};
  const ItemSteps steps = itemSteps(bulkhead->CurNode, bulkhead->Nodes.count());
  if (steps.Current == 0) return {};
  const Node& node = bulkhead->Nodes.at(steps.Current);
  return {.Steps = steps,
          .Shown = nodeDataOf(node),
          .CurveTool = curveToolOf(node.ShCur),
          .Segment = nodeSegmentText(node.ShCur),
          .CircleShown = isArcCode(node.ShCur)};
}

MemberPanelState memberPanelState(const Bulkhead* bulkhead) {
  if (bulkhead == nullptr) return {};
  const ItemSteps steps = itemSteps(bulkhead->CurPrim, bulkhead->PrimaryMembers.count());
  if (steps.Current == 0) return {};
  const PrimaryMember& member = bulkhead->PrimaryMembers.at(steps.Current);
  return {.Steps = steps,
          .Position = member.Position,
          .Direction = static_cast<int>(member.HV),
          .Axis = member.HV == kVertical ? "&Y :" : "&Z :"};
}

}  // namespace korain
