// What the properties command gives of every bulkhead: its spans' section
// properties and its steel weight, at the density and deduction in force.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/arrangement.h"
#include "properties/bulkhead_weight.h"
#include "properties/span_properties.h"

namespace korain {

struct PropertiesSettings {
  double density = kSteelDensity;  // t/m³
  double deduction = 0;            // mm off every thickness; 0 gives gross values only
};

struct BulkheadProperties {
  int number = 0;  // 1-based, in the arrangement's list
  std::string name;
  std::vector<SpanProperties> spans;
  BulkheadWeight weight;
};

// Every bulkhead of a computed arrangement, in its order.
std::vector<BulkheadProperties> arrangementProperties(const Arrangement& arrangement,
                                                      const PropertiesSettings& settings);

}  // namespace korain
