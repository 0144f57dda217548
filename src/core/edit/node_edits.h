// The node panel's changes to a bulkhead's contour: where a new node goes, and
// adding, inserting and removing nodes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "edit/edit_outcome.h"
#include "model/arrangement.h"
#include "model/codes.h"
#include "view/world_window.h"

namespace korain {

// How the place search asks whether a spot is taken: the same tolerance,
// object mask and panel code as a pick in the drawing.
struct PickSettings {
  double tolerance = 0;
  Long mask = 0;
  PanelCode panel = PanelCode::Display;
};

// Uniform numbers in [0, 1); the place search moves its candidate by them.
using RandomSource = std::function<double()>;

// A source seeded once from the system, for the editor.
RandomSource defaultRandomSource();

// Keeps with the arrangement the size of the section that bounds new nodes, from
// the drawing's full extent: the breadth across both sides of the centre line
// (twice the farthest reach from it, so that a section drawn on one side only
// still counts its whole breadth) and the height above the base line.
void takeSectionSize(Arrangement& arrangement, const WorldWindow& extent);

struct NodePlace {
  double y = 0;
  double z = 0;
  // False when every attempt hit an object: the last candidate is given anyway.
  bool free = true;
};

// Where a node following node k of the bulkhead goes: one step (a 25th of the
// section's breadth) up and to the right of node k, kept inside the section,
// and shaken at random while the spot holds an object, 100 attempts at most.
// With k below 1 the place is the origin.
NodePlace findNewNodePlace(const Arrangement& arrangement, const Bulkhead& bulkhead, int k,
                           const PickSettings& pick, const RandomSource& random);

// Appends a node at the place and makes it current; every node after the first
// is reached by a straight line.
void addNode(Bulkhead& bulkhead, const NodePlace& place);

// Inserts a node before node `index`, halfway between it and the node before
// it (the origin for the first node), as a copy of node `index` otherwise; the
// new node stays current. The outcome names an index the list refused.
EditOutcome insertNodeBefore(Bulkhead& bulkhead, int index);

// Removes the current node. The outcome names an index the list refused.
EditOutcome removeNode(Bulkhead& bulkhead);

// No segment leads to the first node of a contour: the current node, when it
// is the first, keeps the start code whatever curve was asked for it.
void keepStartCode(Bulkhead& bulkhead);

}  // namespace korain
