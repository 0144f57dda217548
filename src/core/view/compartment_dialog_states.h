// What the compartment dialogs show of their working copy: the groups of load
// data the loading dialog shows for a load type, and the resonance dialog's
// effective dimensions, the ship's periods and each level's periods and verdicts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "edit/loading_edits.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

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

// One cell of a level's results; a verdict of risk is stressed.
struct ResonanceResultCell {
  std::string Text = {};
  bool Stressed = false;

  bool operator==(const ResonanceResultCell&) const = default;
};

// A level's Tx and Ty in seconds ("-" where no liquid sloshes), then its
// pitch, roll and sway verdicts ("Risk" or "No"; roll "-" without a roll
// period). A level at any risk stands out whole.
struct ResonanceResultRow {
  std::array<ResonanceResultCell, 5> Cells;
  bool AtRisk = false;

  bool operator==(const ResonanceResultRow&) const = default;
};

struct ResonanceDialogState {
  // With three decimals, as the engineer reads them off a drawing.
  std::string EffectiveLength = {};
  std::string EffectiveBreadth = {};
  // Add and Default, while one more level fits.
  bool CanAddLevel = false;
  // The ship's periods in the compartment's loading condition, or in their
  // place the notice of what the ship data lack; the verdicts then stay hidden.
  std::string Periods = {};
  bool ResultsShown = false;
  std::vector<ResonanceResultRow> Results = {};

  bool operator==(const ResonanceDialogState&) const = default;
};

ResonanceDialogState resonanceDialogState(const Compartment& compartment, const ShipData& ship);

}  // namespace korain
