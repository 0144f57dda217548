#include "resonance_command.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "computed_arrangement.h"
#include "json_numbers.h"
#include "resonance/compartment_codes.h"
#include "resonance/evaluate_resonance.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

template <int N>
Json singles(const FixedList<Single, N>& list) {
  Json result = Json::array();
  for (const Single value : list) result.push_back(single(value));
  return result;
}

Json level(const FillingPoint& point, const LevelResonance& result) {
  return {{"H", single(point.H)},        {"L", single(point.L)},
          {"B", single(point.B)},        {"Tx", single(result.Tx)},
          {"Ty", single(result.Ty)},     {"PitchRisk", result.PitchRisk},
          {"RollRisk", result.RollRisk}, {"SwayRisk", result.SwayRisk},
          {"NoLiquid", result.NoLiquid}, {"NoRollPeriod", result.NoRollPeriod}};
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

Json evaluationJson(const Arrangement& arrangement, const ResonanceEvaluation& evaluation) {
  const ShipPeriods& periods = evaluation.Periods;
  Json compartments = Json::array();
  for (const CompartmentResonance& result : evaluation.Compartments) {
    compartments.push_back(compartment(arrangement, result));
  }
  return {{"PitchPeriod", singles(periods.PitchPeriod)},
          {"RollPeriod", singles(periods.RollPeriod)},
          {"RollUndefined", {periods.RollUndefined.at(1), periods.RollUndefined.at(2)}},
          {"SwayPeriod", single(periods.SwayPeriod)},
          {"Compartments", std::move(compartments)}};
}

}  // namespace

int resonanceCommand(const std::string& database, Integer blockNumber,
                     const CommandStreams& streams) {
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  const ResonanceEvaluation evaluation = evaluateResonance(computed.arrangement, computed.ship);
  streams.out << evaluationJson(computed.arrangement, evaluation)
                     .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
  return kExitOk;
}

}  // namespace korain
