// Drop-down lists of codes: the materials of the ship data, and a code shown
// as the list's item of that position.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

// The names of the ship data's materials, item k - 1 for material k; the list
// is refilled only when the names changed.
void fillMaterialList(QComboBox& list, const ShipData& ship);

// A code the list has no item for shows no item.
void showCode(QComboBox& list, Long code);

}  // namespace korain
