// What the node and primary members panels show besides their form: one item
// of a bulkhead's list at a time, stepped through with a button each way, and
// for a node the kind of segment that leads to it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"

namespace korain {

// The item shown and the steps open from it; item 0 is none, and the panel
// then shows nothing and takes nothing.
struct ItemSteps {
  int Current = 0;
  bool Previous = false;
  bool Next = false;

  bool operator==(const ItemSteps&) const = default;
};

ItemSteps itemSteps(int current, int count);

struct NodePanelState {
  ItemSteps Steps = {};
  std::string Segment = {};
  // The circle data belong to arcs only.
  bool CircleShown = false;

  bool operator==(const NodePanelState&) const = default;
};

// The state for the current node of a settled bulkhead; nothing without one.
NodePanelState nodePanelState(const Bulkhead* bulkhead);

// The steps for the current primary member of a settled bulkhead.
ItemSteps memberSteps(const Bulkhead* bulkhead);

}  // namespace korain
