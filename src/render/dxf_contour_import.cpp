// Reading a DXF file's contour into nodes: the file, its units, the chain, the nodes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_contour_import.h"

#include "dxf_reader.h"
#include "import/contour_nodes.h"

namespace korain {

DxfContour importDxfContour(const std::string& path, const std::string& layer) {
  DxfContour contour;
  const auto refuse = [&](const std::string& why) {
    contour.refusal = path + ": " + why;
    return contour;
  };
  DxfEntities entities;
  std::string error;
  if (!readDxfEntities(path, entities, error)) return refuse(error);
  const std::optional<double> scale = metresPerUnit(entities.units, error);
  if (!scale) return refuse("the drawing is in " + error + ", which cannot be taken as metres");
  scaleEntities(entities, *scale);
  const ChainChoice choice = chooseContourChain(entities, layer);
  if (choice.chain.path.empty()) return refuse(choice.missing);
  contour.nodes = contourNodes(choice.chain.path);
  if (!contour.nodes.isDimensioned()) {
    return refuse("its longest chain needs more than the " + std::to_string(kMostContourNodes) +
                  " nodes a bulkhead holds");
  }
  contour.candidates = choice.candidates;
  contour.closed = choice.chain.closed;
  return contour;
}

std::string contourSummary(const DxfContour& contour) {
  std::string text = std::to_string(contour.nodes.count()) + " nodes";
  if (contour.closed) text += ", closed";
  if (contour.candidates > 1) {
    text += ", from the longest of " + std::to_string(contour.candidates) + " chains";
  }
  return text;
}

}  // namespace korain
