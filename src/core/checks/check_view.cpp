// The check panel's title for a display mode, and its legend laid out on the swatches.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/check_view.h"

#include "checks/check_modes.h"

namespace korain {

std::string checkTitle(Long mode) {
  using namespace check_mode;
  switch (mode) {
    case kScantling:
      return "Check Ordinary stiffeners";
    case kMaterial:
      return "Check Material";
    case kThickness:
      return "Check Thickness";
    case kSpanReduction:
      return "Check span reduction";
    case kBracketScantling:
      return "Check bracket scantling";
    case kBracketLength:
      return "Check bracket length";
    case kConnection:
      return "Check type connection";
    case kSectionModulus:
      return "Check section modulus";
    default:
      return {};
  }
}

std::vector<LegendSwatch> legendSwatches(const Legend& legend) {
  std::vector<LegendSwatch> swatches;
  std::size_t k = 0;
  for (const LegendEntry& entry : legend) {
    if (k == swatches.size()) swatches.emplace_back();
    swatches[k].Entries.push_back(entry);
    ++k;
    if (k == kLegendSwatchCount) k = 1;
  }
  return swatches;
}

}  // namespace korain
