// What the strake bands panel shows of the current bulkhead besides its form:
// its bands as rows, the current band's strakes as rows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/arrangement.h"

namespace korain {

struct BandPanelState {
  // Without a bulkhead the panel shows nothing and takes nothing.
  bool Enabled = false;
  // "number - z" a band; the current row is -1 when none is current.
  std::vector<std::string> BandRows = {};
  int BandRow = -1;
  // "number - y thickness" a strake, numbered on through every band.
  std::vector<std::string> StrakeRows = {};
  int StrakeRow = -1;
  // Whether there is a current strake, for the strake tools to act on.
  bool StrakeTools = false;

  bool operator==(const BandPanelState&) const = default;
};

// The state for a settled bulkhead; nothing without one.
BandPanelState bandPanelState(const Bulkhead* bulkhead);

}  // namespace korain
