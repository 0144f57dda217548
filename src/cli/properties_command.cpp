// The properties command: its options read, and the properties written as JSON or text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties_command.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>

#include "bulkhead_properties.h"
#include "computed_arrangement.h"
#include "configuration.h"
#include "json_numbers.h"
#include "properties_json.h"
#include "properties_text.h"
#include "text/string_table.h"
#include "usage.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

struct PropertiesOptions {
  bool json = false;
  std::optional<double> deduction;  // mm; the configuration's when not given
};

// Millimetres off a thickness, in the range the preferences take.
std::optional<double> deductionOf(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (!config_range::kThicknessDeduction.holds(value)) return std::nullopt;
  return value;
}

std::optional<PropertiesOptions> parse(const std::vector<std::string>& words,
                                       std::string& problem) {
  PropertiesOptions options;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--json" && !options.json) {
      options.json = true;
    } else if (word == "--deduct" && !options.deduction) {
      if (++i == words.size()) {
        problem = "--deduct needs MM, the millimetres off every thickness";
        return std::nullopt;
      }
      options.deduction = deductionOf(words[i]);
      if (!options.deduction) {
        problem = "--deduct takes the millimetres off every thickness, " +
                  config_range::kThicknessDeduction.text() + ", not '" + words[i] + "'";
        return std::nullopt;
      }
    } else {
      problem = "properties does not know " + word;
      return std::nullopt;
    }
  }
  return options;
}

// The configuration's density and deduction; a value it holds but the
// preferences would not take is said, with the default used in its place.
PropertiesSettings configuredSettings(std::ostream& err) {
  RefusedValues refused;
  // Only the steel's values are read: no folder of the program is needed.
  const PathConfig paths = readPathConfig(configurationFilePath(), {}, &refused);
  for (const RefusedValue& value : refused) {
    if (value.key == korainString(config_id::kSteelDensity) ||
        value.key == korainString(config_id::kThicknessDeduction)) {
      err << refusalText(value) << '\n';
    }
  }
  return {paths.SteelDensity, paths.ThicknessDeduction};
}

Json propertiesJson(const ComputedArrangement& computed,
                    const std::vector<BulkheadProperties>& bulkheads,
                    const PropertiesSettings& settings) {
  Json list = Json::array();
  for (const BulkheadProperties& bulkhead : bulkheads) {
    Json spans = Json::array();
    for (const SpanProperties& span : bulkhead.spans) {
      spans.push_back(properties_json::of(span, computed.ship, settings.deduction));
    }
    list.push_back({{"bulkhead", bulkhead.number},
                    {"name", bulkhead.name},
                    {"weight", properties_json::of(bulkhead.weight)},
                    {"spans", std::move(spans)}});
  }
  return {{"arrangement", computed.arrangement.Name},
          {"density", single(static_cast<Single>(settings.density))},
          {"deduction", single(static_cast<Single>(settings.deduction))},
          {"bulkheads", std::move(list)}};
}

}  // namespace

int propertiesCommand(const std::string& database, Integer blockNumber,
                      const std::vector<std::string>& words, const CommandStreams& streams) {
  std::string problem;
  const std::optional<PropertiesOptions> options = parse(words, problem);
  if (!options) return wrongUse("properties", problem, streams.err);
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  PropertiesSettings settings = configuredSettings(streams.err);
  if (options->deduction) settings.deduction = *options->deduction;
  const std::vector<BulkheadProperties> bulkheads =
      arrangementProperties(computed.arrangement, settings);
  if (options->json) {
    streams.out << propertiesJson(computed, bulkheads, settings)
                       .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                << '\n';
  } else {
    streams.out << propertiesText(bulkheads, settings, computed.ship);
  }
  // Weights of a block read only in part would pass for the whole bulkhead's.
  return computed.status == ZelReadStatus::Read ? kExitOk : kExitFailed;
}

}  // namespace korain
