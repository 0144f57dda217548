// The steel weight of a bulkhead and its centre of gravity, part by part.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/arrangement.h"
#include "properties/span_properties.h"

namespace korain {

inline constexpr double kSteelDensity = 7.85;  // t/m³

// A weight (t) and its centre of gravity (m); the centre is 0, 0 without weight.
struct WeightPart {
  double weight = 0;
  double y = 0;
  double z = 0;
};

struct BulkheadWeight {
  WeightPart plating;      // each strake's outline × its thickness
  WeightPart stiffeners;   // each span's length × its profile's area
  WeightPart brackets;     // each bracket as a right triangle × its thickness
  WeightPart corrugation;  // what the corrugation's webs add to their projection
  WeightPart total;        // of the bulkhead as described
  // A section described on one side (symmetry flag 0): the whole bulkhead, twice the weight,
  // its centre on the centre line.
  bool half = false;
  WeightPart whole;
  // What the weight leaves out, in the engineer's words.
  std::vector<std::string> notes;
};

// The weight of a computed bulkhead at the given density (t/m³).
BulkheadWeight bulkheadWeight(const Bulkhead& bulkhead, Long symFlag, double density,
                              const std::vector<SpanProperties>& spans);

}  // namespace korain
