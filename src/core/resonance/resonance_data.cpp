// Checking that the ship data hold what the resonance needs, and the notice when they do not.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/resonance_data.h"

#include <cmath>

#include "text/number_format.h"

namespace korain {
namespace {

// Below this, a stored GM or roll radius counts as not given (as in the
// periods' own rule defaults).
constexpr double kNotGiven = 0.001;

bool given(Single value) { return std::abs(value) >= kNotGiven; }

void requirePositive(ResonanceDataCheck& check, std::string_view name, std::string_view meaning,
                     Single value) {
  if (value > 0) return;
  check.unusable.push_back(std::string(name) + " (" + std::string(meaning) +
                           ") is missing or not positive: " + formatNumber(value, "#0.000"));
}

}  // namespace

std::vector<std::string> ResonanceDataCheck::notice() const {
  if (complete()) return {};
  const std::string notEvaluated = "Risk of resonance not evaluated: ";
  if (arrangementCutShort) {
    return {notEvaluated + "the arrangement's block was not read to its end."};
  }
  if (shipBlockMissing) return {notEvaluated + "the database has no ship data block."};
  std::vector<std::string> lines{notEvaluated + "the ship data lack values the evaluation needs."};
  lines.insert(lines.end(), unusable.begin(), unusable.end());
  return lines;
}

ResonanceDataCheck checkResonanceData(const ShipData& ship, ShipDataPresence presence,
                                      ArrangementReading reading) {
  ResonanceDataCheck check;
  check.arrangementCutShort = reading == ArrangementReading::CutShort;
  if (presence == ShipDataPresence::Missing) {
    check.shipBlockMissing = true;
    return check;
  }
  requirePositive(check, "L", "rule length, m", ship.L);
  const bool defaultsNeeded =
      !given(ship.GM1) || !given(ship.RollRadius1) || !given(ship.GM2) || !given(ship.RollRadius2);
  if (defaultsNeeded) requirePositive(check, "B", "moulded breadth, m", ship.B);
  requirePositive(check, "V", "service speed, knots", ship.V);
  if (given(ship.RollRadius1)) {
    requirePositive(check, "RollRadius1", "roll radius of gyration, condition 1, m",
                    ship.RollRadius1);
  }
  if (given(ship.RollRadius2)) {
    requirePositive(check, "RollRadius2", "roll radius of gyration, condition 2, m",
                    ship.RollRadius2);
  }
  return check;
}

std::optional<std::string> rollPeriodNote(const ShipData& ship, const ShipPeriods& periods,
                                          int condition) {
  if (!periods.RollUndefined.at(condition)) return std::nullopt;
  const Single gm = condition == 1 ? ship.GM1 : ship.GM2;
  return "Roll period undefined in loading condition " + std::to_string(condition) + ": GM " +
         formatNumber(gm, "#0.000") + " m is not positive";
}

}  // namespace korain
