// The section properties and steel weight of every bulkhead, for the properties command.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bulkhead_properties.h"

#include <utility>

namespace korain {

std::vector<BulkheadProperties> arrangementProperties(const Arrangement& arrangement,
                                                      const PropertiesSettings& settings) {
  std::vector<BulkheadProperties> result;
  for (int b = 1; b <= arrangement.Bulkheads.count(); ++b) {
    const Bulkhead& bulkhead = arrangement.Bulkheads.at(b);
    std::vector<SpanProperties> spans = spanProperties(bulkhead, settings.deduction);
    BulkheadWeight weight = bulkheadWeight(bulkhead, arrangement.SymFlag, settings.density, spans);
    result.push_back({b, bulkhead.Name, std::move(spans), std::move(weight)});
  }
  return result;
}

}  // namespace korain
