// The drawing's units in metres, and the entities brought to metres.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/dxf_entities.h"

#include <array>
#include <string_view>

namespace korain {
namespace {

struct UnitName {
  int code;
  std::string_view name;
};

// The codes of $INSUNITS that no bulkhead is drawn in, or whose length is not
// one standard value; anything else unknown is named by its code.
constexpr std::array<UnitName, 17> kRefusedUnits = {{{3, "miles"},
                                                     {7, "kilometres"},
                                                     {8, "microinches"},
                                                     {9, "mils"},
                                                     {10, "yards"},
                                                     {11, "angstroms"},
                                                     {12, "nanometres"},
                                                     {13, "microns"},
                                                     {15, "decametres"},
                                                     {16, "hectometres"},
                                                     {17, "gigametres"},
                                                     {18, "astronomical units"},
                                                     {19, "light years"},
                                                     {20, "parsecs"},
                                                     {21, "US survey feet"},
                                                     {22, "US survey inches"},
                                                     {23, "US survey yards"}}};

void scalePoint(PlanePoint& point, double scale) {
  point.y *= scale;
  point.z *= scale;
}

}  // namespace

std::optional<double> metresPerUnit(int units, std::string& refusal) {
  switch (units) {
    case 0:  // unitless: a drawing of the bulkhead in metres, as ours are
    case 6:
      return 1.0;
    case 1:
      return 0.0254;
    case 2:
      return 0.3048;
    case 4:
      return 0.001;
    case 5:
      return 0.01;
    case 14:
      return 0.1;
    default:
      break;
  }
  refusal = "units code " + std::to_string(units);
  for (const UnitName& unit : kRefusedUnits) {
    if (unit.code == units) refusal = std::string(unit.name);
  }
  return std::nullopt;
}

void scaleEntities(DxfEntities& entities, double scale) {
  for (DxfPolyline& polyline : entities.polylines) {
    for (PathVertex& vertex : polyline.vertices) scalePoint(vertex.point, scale);
  }
  for (DxfPiece& piece : entities.pieces) {
    scalePoint(piece.from, scale);
    scalePoint(piece.to, scale);
  }
}

}  // namespace korain
