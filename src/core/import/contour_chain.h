// The one chain of a drawing's pieces that becomes a bulkhead contour.
//
// Every polyline is a chain of its own; LINE and ARC entities are joined end
// to end wherever an end lies within 0.001 m of another's (either way round).
// Of all the chains the longest is taken: the contour is the outline of the
// whole bulkhead, and the other lines of a drawing (stiffeners, frames,
// dimensions) are shorter; of equal lengths, the first in the file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "import/dxf_entities.h"

namespace korain {

// The points of the chain in order, the last one ending it (the first one
// again for a closed chain), each bulge shaping the piece to the next point.
struct ContourChain {
  ContourPath path;
  bool closed = false;
  double length = 0;
};

struct ChainChoice {
  ContourChain chain;
  int candidates = 0;  // how many chains there were to choose from
  // Without a chain: what the drawing lacked, in words for the user.
  std::string missing;
};

// The entities in metres. An empty `layer` takes every layer. Pieces with a
// coordinate that is not a number or lies beyond 100 km are left out.
ChainChoice chooseContourChain(const DxfEntities& entities, const std::string& layer);

// The length of the piece from `from` to `to` with the given bulge.
double pieceLength(PlanePoint from, PlanePoint to, double bulge);

}  // namespace korain
