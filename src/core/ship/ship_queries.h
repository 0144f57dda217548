// Questions about the ship data: complete main data, ship type group, material names.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ship/ship_data.h"

namespace korain {

// The main dimensions needed to draw and check an arrangement: L, B, D and CB
// all greater than 0.
bool mainDataComplete(const ShipData& ship);

// Ship types 1, 7, 20 and 21, the ones with stools and hoppers.
bool isShipTypeGroup(const ShipData& ship);

// The display name of material k: the no-material text for 0, the unknown-material
// text outside 1..6, else the base text of the material's kind, its nominal
// strength as "000", and the suffix of kinds 3 and 4 ("Mild steel 235", "HTS 355 Z").
std::string materialName(int k, const ShipData& ship);

// FormatVersion as a number: the number its text begins with, 0 when it begins
// with none (so a version that cannot be read counts as the oldest).
// The material of a new bulkhead's plating: the ship's first default material,
// material 1 when the ship data name none.
Integer defaultPlatingMaterial(const ShipData& ship);

double formatVersionNumber(const ShipData& ship);

// The material list of the record: materials 1..MaterialCount (at most 6; none
// for a count below 1), each with its kind, table column and name.
List<ShipMaterial> shipMaterials(const ShipData& ship);

}  // namespace korain
