// The check and legend commands: the messages and legend of the computed geometry.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry_commands.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>

#include "checks/legend.h"
#include "checks/palette.h"
#include "computed_arrangement.h"

namespace korain {
namespace {

int palettePositionOf(const List<Long>& palette, Long colour) {
  for (int i = 1; i <= palette.count(); ++i) {
    if (palette.at(i) == colour) return i;
  }
  return 0;
}

std::string colourText(Long colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour) & 0xFFFFFFU);
  return text;
}

std::string_view severityName(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

std::optional<std::string_view> kindName(PanelCode kind) {
  switch (kind) {
    case PanelCode::Bulkhead:
      return "bulkhead";
    case PanelCode::Nodes:
      return "node";
    case PanelCode::PrimaryMembers:
      return "primary";
    case PanelCode::OrdinaryStiffeners:
      return "stiffener";
    case PanelCode::StrakeBands:
      return "band";
    case PanelCode::Corrugation:
      return "corrugation";
    case PanelCode::Compartments:
      return "compartment";
    default:
      return std::nullopt;
  }
}

// The object as a script finds it again: a strake by its band and its place
// in the band, a message about the bulkhead as a whole by the bulkhead's
// number, the corrugation as a whole without a line number.
nlohmann::ordered_json objectJson(const Message& message) {
  const std::optional<std::string_view> kind = kindName(message.kind);
  if (message.bulkhead < 1 || !kind) return nullptr;
  if (message.kind == PanelCode::Bulkhead) {
    return {{"kind", *kind}, {"index", message.index > 0 ? message.index : message.bulkhead}};
  }
  if (message.kind == PanelCode::StrakeBands && message.subIndex > 0) {
    return {{"kind", "strake"}, {"index", message.subIndex}, {"band", message.index}};
  }
  nlohmann::ordered_json index = nullptr;
  if (message.index > 0) index = message.index;
  return {{"kind", *kind}, {"index", index}};
}

nlohmann::ordered_json messageJson(const Message& message) {
  nlohmann::ordered_json bulkhead = nullptr;
  if (message.bulkhead > 0) bulkhead = message.bulkhead;
  return {{"severity", severityName(message.severity)},
          {"bulkhead", bulkhead},
          {"object", objectJson(message)},
          {"text", message.text}};
}

}  // namespace

int checkCommand(const std::string& database, Integer blockNumber, CheckOutput output,
                 const CommandStreams& streams) {
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  const std::optional<Section> hull = hullSectionOf(database, computed.arrangement);
  checkAgainstShip(computed, hull ? &*hull : nullptr);
  if (output == CheckOutput::Lines) {
    for (const Message& message : computed.messages) streams.out << message.text << '\n';
    return kExitOk;
  }
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  for (const Message& message : computed.messages) records.push_back(messageJson(message));
  streams.out << records.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
  return kExitOk;
}

int legendCommand(const std::string& database, Integer blockNumber, Long mode,
                  const CommandStreams& streams) {
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  const List<Long> palette = defaultCheckPalette();
  const Legend legend =
      buildLegend(computed.arrangement, mode, palette, computed.ship, [](std::string_view) {});
  for (const LegendEntry& entry : legend) {
    streams.out << palettePositionOf(palette, entry.Colour) << '\t' << colourText(entry.Colour)
                << '\t' << entry.Text << '\n';
  }
  return kExitOk;
}

}  // namespace korain
