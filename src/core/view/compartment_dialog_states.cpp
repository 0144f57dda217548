// The compartment dialogs' groups, texts and verdicts, from their working copy.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/compartment_dialog_states.h"

#include <optional>

#include "edit/resonance_edits.h"
#include "model/compartment_tables.h"
#include "resonance/compartment_codes.h"
#include "resonance/resonance_data.h"
#include "resonance/ship_periods.h"
#include "resonance/sloshing_periods.h"
#include "text/number_format.h"

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

std::string seconds(Single value) { return formatNumber(value, "0.00"); }

ResonanceResultCell verdict(bool risk) { return {risk ? "Risk" : "No", risk}; }

ResonanceResultRow resultRow(const LevelResonance& level) {
  const ResonanceResultCell notComputed{"-"};
  return {{level.NoLiquid ? notComputed : ResonanceResultCell{seconds(level.Tx)},
           level.NoLiquid ? notComputed : ResonanceResultCell{seconds(level.Ty)},
           verdict(level.PitchRisk), level.NoRollPeriod ? notComputed : verdict(level.RollRisk),
           verdict(level.SwayRisk)},
          level.PitchRisk || level.RollRisk || level.SwayRisk};
}

std::string periodsText(const ShipData& ship, const ShipPeriods& periods, int condition) {
  std::string text = "Ship periods, loading condition " + std::to_string(condition) + " : roll " +
                     seconds(periods.RollPeriod.at(condition)) + " s, pitch " +
                     seconds(periods.PitchPeriod.at(condition)) + " s, sway " +
                     seconds(periods.SwayPeriod) + " s";
  if (const std::optional<std::string> note = rollPeriodNote(ship, periods, condition)) {
    text += "\n" + *note;
  }
  return text;
}

void showVerdicts(ResonanceDialogState& state, const Compartment& compartment,
                  const ShipData& ship) {
  // A ship without its data block has every value at 0, which the check names.
  const ResonanceDataCheck check = checkResonanceData(ship, ShipDataPresence::Read);
  if (!check.complete()) {
    for (const std::string& line : check.notice()) {
      state.Periods += (state.Periods.empty() ? "" : "\n") + line;
    }
    return;
  }
  const ShipPeriods periods = computeShipPeriods(ship);
  state.Periods = periodsText(ship, periods, loadingConditionOf(compartment));
  state.ResultsShown = true;
  for (const LevelResonance& level : computeSloshingPeriods(compartment, periods)) {
    state.Results.push_back(resultRow(level));
  }
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

ResonanceDialogState resonanceDialogState(const Compartment& compartment, const ShipData& ship) {
  ResonanceDialogState state{
      .EffectiveLength = formatNumber(compartment.Table1.at(kEffectiveLengthEntry), "0.000"),
      .EffectiveBreadth = formatNumber(compartment.Table1.at(kEffectiveBreadthEntry), "0.000"),
      .CanAddLevel = canAddLevel(compartment)};
  showVerdicts(state, compartment, ship);
  return state;
}

}  // namespace korain
