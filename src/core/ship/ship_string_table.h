// The numbered texts of the ship data: the default ship name and the parts of material names.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

// The text of a number, or nothing when the ship-data table has no such number.
std::optional<std::string_view> findShipText(Long number);

// The text of a number; "Bsd #" and the number when the table has none.
std::string shipText(Long number);

// Numbers of the texts the ship data uses.
namespace ship_text_id {
inline constexpr Long kDefaultShipName = 101;
inline constexpr Long kNoMaterial = 250;
inline constexpr Long kUnknownMaterial = 251;
inline constexpr Long kKind2Material = 252;
inline constexpr Long kKind3Or4Material = 253;
inline constexpr Long kOtherMaterial = 254;
inline constexpr Long kKind3Suffix = 255;
inline constexpr Long kKind4Suffix = 256;
}  // namespace ship_text_id

}  // namespace korain
