// What a CAD drawing offers for a contour: its polylines, lines and arcs by layer, and its units.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/contour_path.h"

namespace korain {

// A polyline as the drawing gives it: each vertex's bulge shapes the piece to
// the next vertex; a closed one has a last piece back to its first vertex.
struct DxfPolyline {
  std::string layer;
  ContourPath vertices;
  bool closed = false;
};

// A LINE (bulge 0) or an ARC, as one piece from `from` to `to`.
struct DxfPiece {
  std::string layer;
  PlanePoint from;
  PlanePoint to;
  double bulge = 0;
};

// The drawing's $INSUNITS code: 0 when the header gives none.
struct DxfEntities {
  int units = 0;
  std::vector<DxfPolyline> polylines;
  std::vector<DxfPiece> pieces;
};

// Metres per drawing unit for the units code of the header: none, millimetres,
// centimetres, decimetres, metres, inches and feet are known for sure; any
// other code is refused with the unit's name in `refusal` ("miles").
std::optional<double> metresPerUnit(int units, std::string& refusal);

// Every coordinate multiplied by `scale`; bulges keep their value.
void scaleEntities(DxfEntities& entities, double scale);

}  // namespace korain
