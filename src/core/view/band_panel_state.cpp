// The strake bands panel's rows, from the current bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/band_panel_state.h"

#include "text/number_format.h"

namespace korain {
namespace {

std::string bandRow(int number, const StrakeBand& band) {
  return formatNumber(number, "#0") + " - " + formatNumber(band.Z, "###0.000");
}

std::string strakeRow(const Strake& strake) {
  return formatNumber(strake.StrakeNumber, "#0") + " - " + formatNumber(strake.Y, "###0.000") +
         " " + formatNumber(strake.Th, "#0.0");
}

void showBand(BandPanelState& state, const StrakeBand& band) {
  for (const Strake& strake : band.Strakes) state.StrakeRows.push_back(strakeRow(strake));
  if (!band.Strakes.inBounds(band.CurStrake)) return;
  state.StrakeRow = band.CurStrake - 1;
  state.StrakeTools = true;
}

}  // namespace

BandPanelState bandPanelState(const Bulkhead* bulkhead) {
  if (bulkhead == nullptr) return {};
  BandPanelState state{.Enabled = true};
  const List<StrakeBand>& bands = bulkhead->StrakeBands;
  for (int k = 1; k <= bands.count(); ++k) state.BandRows.push_back(bandRow(k, bands.at(k)));
  if (!bands.inBounds(bulkhead->CurBand)) return state;
  state.BandRow = bulkhead->CurBand - 1;
  showBand(state, bands.at(bulkhead->CurBand));
  return state;
}

}  // namespace korain
