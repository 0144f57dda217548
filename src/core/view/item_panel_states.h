// What the node and primary members panels show: one item of a bulkhead's
// list at a time, stepped through with a button each way.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "edit/node_edits.h"
#include "geometry/contour_arc.h"
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

// The curve tools in their order on the bar and the code each one sets; the
// last tool, the corrugated one, sets none.
inline constexpr int kCurveToolCount = 4;
inline constexpr std::array<Long, 3> kCurveToolCodes = {kCurveStraight, kCurveTangentArc,
                                                        kCurveArc};

struct NodePanelState {
  ItemSteps Steps = {};
  std::optional<NodeData> Shown = std::nullopt;
  // The tool down: the one of the node's code, the line for any other code.
  std::optional<int> CurveTool = std::nullopt;
  std::string Segment = {};
  // The circle data belong to arcs only.
  bool CircleShown = false;

  bool operator==(const NodePanelState&) const = default;
};

// The state for the current node of a settled bulkhead; nothing without one.
NodePanelState nodePanelState(const Bulkhead* bulkhead);

struct MemberPanelState {
  ItemSteps Steps = {};
  std::optional<Single> Position = std::nullopt;
  // The direction list's index (the direction code); -1 shows none.
  int Direction = -1;
  // A vertical member stands at a y, any other at a z.
  std::string Axis = "&Z :";

  bool operator==(const MemberPanelState&) const = default;
};

// The state for the current primary member of a settled bulkhead.
MemberPanelState memberPanelState(const Bulkhead* bulkhead);

}  // namespace korain
