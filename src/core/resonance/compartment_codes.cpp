// The texts of a compartment's codes, and the loading condition its destination stands for.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/compartment_codes.h"

#include "text/string_table.h"

namespace korain {
namespace {

// Numbered texts: the name of code k is text base + k.
constexpr Long kTypeTextBase = 259;
constexpr Long kUnknownTypeText = 268;
constexpr Long kDestinationTextBase = 339;

}  // namespace

std::string compartmentTypeText(Long type) {
  if (type < 1 || type > 8) return korainString(kUnknownTypeText);
  return korainString(kTypeTextBase + type);
}

std::string mainDestinationText(Long destination) {
  if (destination < 1 || destination > 7) return korainString(text_id::kUnknown);
  return korainString(kDestinationTextBase + destination);
}

std::string loadTypeText(Long loadType) {
  if (loadType < 0 || loadType > 6) return korainString(text_id::kUnknown);
  return korainString(text_id::kFirstLoadTypeText + loadType);
}

int loadingConditionOf(const Compartment& compartment) {
  return compartment.B == kWaterBallastDestination ? 2 : 1;
}

}  // namespace korain
