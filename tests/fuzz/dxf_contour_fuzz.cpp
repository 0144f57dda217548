// Fuzz target of the DXF contour import: any bytes must read without harm, and
// a chain made of what was read must become nodes that pass through its ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "dxf_reader.h"
#include "fuzz_support.h"
#include "import/contour_chain.h"
#include "import/contour_nodes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
  korain::DxfEntities entities;
  std::string error;
  if (!korain::readDxfEntities(stream, entities, error)) return 0;
  std::string refusal;
  const auto scale = korain::metresPerUnit(entities.units, refusal);
  if (!scale) return 0;
  korain::scaleEntities(entities, *scale);
  const korain::ChainChoice choice = korain::chooseContourChain(entities, {});
  if (choice.chain.path.empty()) return 0;
  const korain::List<korain::Node> nodes = korain::contourNodes(choice.chain.path);
  korain::fuzz::check(nodes.count() >= static_cast<int>(choice.chain.path.size()));
  return 0;
}
