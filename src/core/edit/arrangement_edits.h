// The main data dialog's change: the arrangement's own fields.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"

namespace korain {

// The fields of the arrangement that the main data dialog edits.
struct MainData {
  std::string Name{};
  Single X = 0;
  Long SymFlag = 0;
  Single StoolVolume = 0;
  Single ForeHopperBreadth = 0;
  Single ForeHopperZTop = 0;
  Single AftHopperBreadth = 0;
  Single AftHopperZTop = 0;
  Long StateType = 0;
  Integer StateIndex = 0;

  bool operator==(const MainData&) const = default;
};

MainData mainDataOf(const Arrangement& arrangement);
void setMainData(Arrangement& arrangement, const MainData& data);

}  // namespace korain
