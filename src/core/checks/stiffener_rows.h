// The rows of the ordinary stiffeners panel's list: each stiffener by its
// number and what the chosen tab edits of it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "edit/stiffener_edits.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

// "07 F 200×12.0" on the scantling tab; a bracket's scantling text or "no
// bracket"; the span scantling of support interval `interval` or "default";
// its two bracket lengths ("01.5 00.0"); "invalid span 3" on the span tabs
// for a stiffener without a span in the interval.
std::string stiffenerRowText(const OrdinaryStiffener& stiffener, int number, StiffenerTab tab,
                             int interval, const ShipData& ship);

}  // namespace korain
