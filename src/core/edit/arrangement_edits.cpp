// Reading and setting the arrangement's own fields for the main data dialog.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/arrangement_edits.h"

namespace korain {

MainData mainDataOf(const Arrangement& a) {
  return {a.Name,
          a.X,
          a.SymFlag,
          a.StoolVolume,
          a.ForeHopperBreadth,
          a.ForeHopperZTop,
          a.AftHopperBreadth,
          a.AftHopperZTop,
          a.StateType,
          a.StateIndex};
}

void setMainData(Arrangement& a, const MainData& data) {
  a.Name = data.Name;
  a.X = data.X;
  a.SymFlag = data.SymFlag;
  a.StoolVolume = data.StoolVolume;
  a.ForeHopperBreadth = data.ForeHopperBreadth;
  a.ForeHopperZTop = data.ForeHopperZTop;
  a.AftHopperBreadth = data.AftHopperBreadth;
  a.AftHopperZTop = data.AftHopperZTop;
  a.StateType = data.StateType;
  a.StateIndex = data.StateIndex;
}

}  // namespace korain
