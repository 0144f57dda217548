// The resonance command: the evaluation of an arrangement written as JSON.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance_command.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "computed_arrangement.h"
#include "json_numbers.h"
#include "resonance/compartment_codes.h"
#include "resonance/evaluate_resonance.h"
#include "resonance/resonance_data.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

// A roll period or roll risk that could not be judged is null, never a 0 or a
// false that would read as "no risk".
Json rollPeriods(const ShipPeriods& periods) {
  Json result = Json::array();
  for (int condition = 1; condition <= 2; ++condition) {
    if (periods.RollUndefined.at(condition)) {
      result.push_back(nullptr);
    } else {
      result.push_back(single(periods.RollPeriod.at(condition)));
    }
  }
  return result;
}

Json level(const FillingPoint& point, const LevelResonance& result) {
  const Json roll = result.NoRollPeriod ? Json(nullptr) : Json(result.RollRisk);
  return {{"H", single(point.H)},
          {"L", single(point.L)},
          {"B", single(point.B)},
          {"Tx", single(result.Tx)},
          {"Ty", single(result.Ty)},
          {"PitchRisk", result.PitchRisk},
          {"RollRisk", roll},
          {"SwayRisk", result.SwayRisk},
          {"NoLiquid", result.NoLiquid},
          {"NoRollPeriod", result.NoRollPeriod}};
}

Json compartment(const Arrangement& arrangement, const CompartmentResonance& result) {
  const Compartment& c = arrangement.Bulkheads.at(result.Bulkhead).Compartments.at(result.Side);
  Json levels = Json::array();
  for (int k = 1; k <= result.Levels.count(); ++k) {
    levels.push_back(level(c.Points.at(k), result.Levels.at(k)));
  }
  return {{"Bulkhead", result.Bulkhead},
          {"Side", result.Side},
          {"Name", c.Name},
          {"MainDestination", mainDestinationText(c.B)},
          {"LoadingCondition", result.LoadingCondition},
          {"Levels", std::move(levels)}};
}

Json rollPeriodNotes(const ShipData& ship, const ShipPeriods& periods) {
  Json notes = Json::array();
  for (int condition = 1; condition <= 2; ++condition) {
    if (const std::optional<std::string> note = rollPeriodNote(ship, periods, condition)) {
      notes.push_back(*note);
    }
  }
  return notes;
}

Json evaluationJson(const Arrangement& arrangement, const ShipData& ship,
                    const ResonanceEvaluation& evaluation) {
  const ShipPeriods& periods = evaluation.Periods;
  Json compartments = Json::array();
  for (const CompartmentResonance& result : evaluation.Compartments) {
    compartments.push_back(compartment(arrangement, result));
  }
  return {{"PitchPeriod", {single(periods.PitchPeriod.at(1)), single(periods.PitchPeriod.at(2))}},
          {"RollPeriod", rollPeriods(periods)},
          {"RollUndefined", {periods.RollUndefined.at(1), periods.RollUndefined.at(2)}},
          {"SwayPeriod", single(periods.SwayPeriod)},
          {"Notes", rollPeriodNotes(ship, periods)},
          {"Compartments", std::move(compartments)}};
}

}  // namespace

int resonanceCommand(const std::string& database, Integer blockNumber,
                     const CommandStreams& streams) {
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  // Periods from missing ship data would all be 0 and every risk false: a
  // verdict of "no risk" that nothing supports. Say what is missing instead.
  const ResonanceDataCheck check =
      checkResonanceData(computed.ship, computed.shipPresence, computed.reading());
  if (!check.complete()) {
    for (const std::string& line : check.notice()) streams.err << database << ": " << line << '\n';
    return kExitFailed;
  }
  const ResonanceEvaluation evaluation = evaluateResonance(computed.arrangement, computed.ship);
  streams.out << evaluationJson(computed.arrangement, computed.ship, evaluation)
                     .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
  return kExitOk;
}

}  // namespace korain
