// A chain of straight pieces and arcs turned into the nodes of a bulkhead contour.
//
// Each point after the first becomes a node reached from the one before it:
// straight (curve code 1) or along an arc (code 3) with its signed radius,
// positive anticlockwise, and its tangent point, where the tangents at the
// arc's ends meet. One such node cannot describe an arc of half a turn or
// more (its tangents never meet, and code 3 takes the shorter arc), so that
// arc becomes two arc nodes, the first ending halfway along it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/contour_path.h"
#include "model/arrangement.h"

namespace korain {

// The most nodes a bulkhead numbers: its node numbers are Integers.
inline constexpr int kMostContourNodes = 32767;

// The first node has curve code 0; every node's Abs is its place in the list.
// None when the path needs more than kMostContourNodes.
List<Node> contourNodes(const ContourPath& path);

}  // namespace korain
