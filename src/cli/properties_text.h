// The properties command's text: per bulkhead a table of its steel weight and
// one of its stiffener spans, every value under a head that names its unit.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "bulkhead_properties.h"
#include "ship/ship_data.h"

namespace korain {

std::string propertiesText(const std::vector<BulkheadProperties>& bulkheads,
                           const PropertiesSettings& settings, const ShipData& ship);

}  // namespace korain
