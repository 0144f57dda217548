// The example bulk carrier's ship data: L 177 m, B 32 m, V 14 kn; GM 2.8 / 7.5 m and roll radius
// 12.2 / 11.5 m in the two loading conditions, so that they roll differently.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "ship/ship_data_reader.h"

namespace korain::testing {

// As the example database holds it, GM in the ballast condition replaced.
inline ShipData bulkCarrier(Single gm2 = 7.5F) {
  ShipData ship;
  EXPECT_TRUE(readShipData(KORAIN_EXAMPLES "/bulk_carrier.ko2", ship).found());
  ship.GM2 = gm2;
  return ship;
}

}  // namespace korain::testing
