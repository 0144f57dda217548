// The section properties of stiffener spans and the steel weight of a
// bulkhead as JSON, for the properties command. Every value is in the unit
// its schema names: mm, cm², cm⁴, cm³, m and t.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "properties/bulkhead_weight.h"
#include "properties/span_properties.h"
#include "ship/ship_data.h"

namespace korain::properties_json {

using Json = nlohmann::ordered_json;

// A span: where it is, its profile as the drawings label it, the profile's
// idealised shape, the attached plate, the gross section, its length and
// brackets, the net section for the deduction in mm (null when none is asked
// for or it has none) and why values are missing (null when nothing is).
Json of(const SpanProperties& span, const ShipData& ship, double deduction);

// The weight of each part and of the bulkhead, with the centres; for a half
// section the whole bulkhead too (else null), and what the weight leaves out.
Json of(const BulkheadWeight& weight);

}  // namespace korain::properties_json
