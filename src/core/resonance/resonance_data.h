// Whether the ship data hold what the resonance evaluation needs, and the
// notice that takes the place of periods and verdicts when they do not.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "resonance/resonance_records.h"
#include "ship/ship_data.h"
#include "ship/ship_data_reader.h"

namespace korain {

// Whether the arrangement's block was read to its end: a block cut short may
// have lost compartments or filling levels, and with them their risks.
enum class ArrangementReading { Whole, CutShort };

struct ResonanceDataCheck {
  bool shipBlockMissing = false;
  bool arrangementCutShort = false;
  // One text per value that is missing (a field left at 0 because the file
  // lacks it or holds no number there) or not positive, named as the ship
  // data name it, with its meaning and the value read.
  std::vector<std::string> unusable;

  bool complete() const { return !shipBlockMissing && !arrangementCutShort && unusable.empty(); }

  // The lines shown in place of the evaluation: what was not done, then one
  // line per value; none when the data are complete.
  std::vector<std::string> notice() const;
};

// The rule length and the service speed are always needed; the breadth only
// where a GM or roll radius of a loading condition is not given and takes its
// rule default; a roll radius that is given must be positive. A negative GM is
// not missing data: it leaves that condition without a roll period.
ResonanceDataCheck checkResonanceData(const ShipData& ship, ShipDataPresence presence,
                                      ArrangementReading reading = ArrangementReading::Whole);

// Why loading condition 1 or 2 has no roll period, when it has none: its GM
// is not positive, so the ship lolls instead of rolling and no roll risk is
// judged in it.
std::optional<std::string> rollPeriodNote(const ShipData& ship, const ShipPeriods& periods,
                                          int condition);

}  // namespace korain
