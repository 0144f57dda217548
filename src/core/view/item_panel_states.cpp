// The node and primary members panels' steps and segment, from the current bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/item_panel_states.h"

#include "checks/code_texts.h"
#include "geometry/contour_arc.h"

namespace korain {

ItemSteps itemSteps(int current, int count) {
  if (current < 1 || current > count) return {};
  return {.Current = current, .Previous = current > 1, .Next = current < count};
}

NodePanelState nodePanelState(const Bulkhead* bulkhead) {
  if (bulkhead == nullptr) return {};
  const ItemSteps steps = itemSteps(bulkhead->CurNode, bulkhead->Nodes.count());
  if (steps.Current == 0) return {};
  const Node& node = bulkhead->Nodes.at(steps.Current);
  return {
      .Steps = steps, .Segment = nodeSegmentText(node.ShCur), .CircleShown = isArcCode(node.ShCur)};
}

ItemSteps memberSteps(const Bulkhead* bulkhead) {
  if (bulkhead == nullptr) return {};
  return itemSteps(bulkhead->CurPrim, bulkhead->PrimaryMembers.count());
}

}  // namespace korain
