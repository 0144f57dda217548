// Questions about the ship data: complete main data, ship type group, material names.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship/ship_queries.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "ship/ship_string_table.h"
#include "text/number_format.h"
#include "text/text_utils.h"

namespace korain {

bool mainDataComplete(const ShipData& ship) {
  return ship.L > 0 && ship.B > 0 && ship.D > 0 && ship.CB > 0;
}

bool isShipTypeGroup(const ShipData& ship) {
  const Integer type = ship.ShipType;
  return type == 1 || type == 7 || type == 20 || type == 21;
}

std::string materialName(int k, const ShipData& ship) {
  using namespace ship_text_id;
  if (k == 0) return shipText(kNoMaterial);
  if (k < 0 || k > kMaxMaterials) return shipText(kUnknownMaterial);
  const Single kind = ship.MaterialKind.at(k);
  const bool highTensile = kind == 3 || kind == 4;
  std::string name = shipText(kind == 2     ? kKind2Material
                              : highTensile ? kKind3Or4Material
                                            : kOtherMaterial);
  appendFormattedNumber(name, ship.MaterialTable.at(1).at(k), "000");
  if (kind == 3) name += shipText(kKind3Suffix);
  if (kind == 4) name += shipText(kKind4Suffix);
  return name;
}

Integer defaultPlatingMaterial(const ShipData& ship) {
  const Integer first = ship.DefaultMaterial.at(1);
  return first > 0 ? first : Integer{1};
}

double formatVersionNumber(const ShipData& ship) {
  std::string_view text = trimmed(ship.FormatVersion);
  // The general parser takes no "+" of its own, and must not be handed "+-4".
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return 0;
  }
  double value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || ptr == text.data() || !std::isfinite(value)) return 0;
  return value;
}

List<ShipMaterial> shipMaterials(const ShipData& ship) {
  List<ShipMaterial> materials;
  const int count = std::clamp<int>(ship.MaterialCount, 0, kMaxMaterials);
  for (int k = 1; k <= count; ++k) {
    ShipMaterial& material = materials.append();
    material.Index = static_cast<Integer>(k);
    material.Kind = ship.MaterialKind.at(k);
    for (int row = 1; row <= kMaterialProperties; ++row) {
      material.Properties.at(row) = ship.MaterialTable.at(row).at(k);
    }
    material.Name = materialName(k, ship);
  }
  return materials;
}

}  // namespace korain
