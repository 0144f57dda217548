#include "geometry_commands.h"

#include <cstdio>
#include <ostream>

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

}  // namespace

int checkCommand(const std::string& database, Integer blockNumber, const CommandStreams& streams) {
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  for (const Message& message : computed.messages) streams.out << message.text << '\n';
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
