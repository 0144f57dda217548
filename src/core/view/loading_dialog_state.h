// What the loading dialog shows for a load type: the groups of load data the
// type uses, and the caption the bulk data then take.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "edit/loading_edits.h"
#include "model/arrangement.h"

namespace korain {

struct LoadingDialogState {
  // Test height, air pipe and density of a liquid; the setting pressure of
  // a relief valve only where the liquid is kept under pressure.
  bool LiquidShown = false;
  bool SettingPressureShown = false;
  // Load, density and friction angle of bulk in the hold; beside liquid data,
  // or beside the alternate loading of a JBP run, those of the homogeneous loading.
  bool BulkShown = false;
  std::string BulkTitle = {};
  // The JBP run's hold data of alternate loading, for a type that carries bulk.
  bool AlternateShown = false;

  bool operator==(const LoadingDialogState&) const = default;
};

// For load types 0 (no load) to 6 (bulk and liquid); any other shows nothing.
LoadingDialogState loadingDialogState(Long type, LoadingMode mode);

}  // namespace korain
