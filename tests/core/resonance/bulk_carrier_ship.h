// The example bulk carrier's ship data: L 177 m, B 32 m, V 14 kn; GM 2.8 / 7.5 m and roll radius
// 12.2 / 11.5 m in the two loading conditions, so that they roll differently.
#pragma once

#include "ship/ship_data.h"

namespace korain::testing {

inline ShipData bulkCarrier(Single gm2 = 7.5F) {
  ShipData ship;
  ship.L = 177;
  ship.B = 32;
  ship.V = 14;
  ship.GM1 = 2.8F;
  ship.RollRadius1 = 12.2F;
  ship.GM2 = gm2;
  ship.RollRadius2 = 11.5F;
  return ship;
}

}  // namespace korain::testing
