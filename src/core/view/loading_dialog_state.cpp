// The groups of the loading dialog each load type shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/loading_dialog_state.h"

namespace korain {
namespace {

// Load types by what they carry: the liquid data (test height, air pipe,
// density), the relief valve's setting pressure, the bulk data in the hold.
enum LoadType : Long {
  kLiquid = 1,
  kBallastWater = 2,
  kPressurisedLiquid = 3,
  kDryBulk = 4,
  kDredgingSpoil = 5,
  kBulkAndLiquid = 6,
};

bool carriesLiquid(Long type) {
  return type == kLiquid || type == kBallastWater || type == kPressurisedLiquid ||
         type == kBulkAndLiquid;
}

bool carriesBulk(Long type) {
  return type == kDryBulk || type == kDredgingSpoil || type == kBulkAndLiquid;
}

}  // namespace

LoadingDialogState loadingDialogState(Long type, LoadingMode mode) {
  const bool jbp = mode == LoadingMode::Jbp;
  const bool homogeneous = carriesLiquid(type) || jbp;
  return {.LiquidShown = carriesLiquid(type),
          .SettingPressureShown = type == kPressurisedLiquid,
          .BulkShown = carriesBulk(type),
          .BulkTitle = homogeneous ? "Homogeneous" : "Load Data",
          .AlternateShown = jbp && carriesBulk(type)};
}

}  // namespace korain
