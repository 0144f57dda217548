// A DXF file's contour as the nodes of a bulkhead, or why the file gives none.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "import/contour_chain.h"
#include "model/arrangement.h"

namespace korain {

struct DxfContour {
  List<Node> nodes;     // none when refused
  std::string refusal;  // "contour.dxf: no polyline, line or arc on layer \"HULL\""
  int candidates = 0;   // the chains there were, the longest taken
  bool closed = false;
};

// Reads the file, brings it to metres by its units, chooses the longest chain
// (of `layer` only, unless empty) and makes it nodes.
DxfContour importDxfContour(const std::string& path, const std::string& layer);

// What was taken, for the user: "8 nodes, closed, from the longest of 3 chains".
std::string contourSummary(const DxfContour& contour);

}  // namespace korain
