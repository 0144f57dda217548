// What the strake bands panel shows of the current bulkhead: its bands as
// rows, the current band's strakes as rows, and the current strake's data.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edit/band_edits.h"
#include "model/arrangement.h"

namespace korain {

struct BandPanelState {
  // Without a bulkhead the panel shows nothing and takes nothing.
  bool Enabled = false;
  // "number - z" a band; the current row is -1 when none is current.
  std::vector<std::string> BandRows = {};
  int BandRow = -1;
  // The current band's z; none without a current band, and nothing to edit.
  std::optional<Single> Z = std::nullopt;
  // "number - y thickness" a strake, numbered on through every band.
  std::vector<std::string> StrakeRows = {};
  int StrakeRow = -1;
  // The current strake's data; none without one, and then neither its
  // fields nor the strake tools take anything.
  std::optional<StrakeData> Strake = std::nullopt;

  bool operator==(const BandPanelState&) const = default;
};

// The state for a settled bulkhead; nothing without one.
BandPanelState bandPanelState(const Bulkhead* bulkhead);

}  // namespace korain
