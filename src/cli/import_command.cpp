// korain-cli import: a hull section's compartments made into a new arrangement block.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_command.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "geometry/compute_geometry.h"
#include "import/section_import.h"
#include "io/database_save.h"
#include "section/section_reader.h"
#include "ship/ship_data_reader.h"
#include "ship/ship_queries.h"
#include "text/format_message.h"
#include "write_context.h"

namespace korain {
namespace {

struct ImportOptions {
  std::string database;
  Integer block = 0;
  std::optional<Single> x;
};

std::optional<Single> position(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() ||
      !(std::abs(value) <= std::numeric_limits<Single>::max())) {
    return std::nullopt;
  }
  return static_cast<Single>(value);
}

std::optional<ImportOptions> parse(const std::vector<std::string>& args, std::string& problem) {
  const std::optional<Integer> block = args.size() >= 2 ? blockNumber(args[1]) : std::nullopt;
  const bool withX = args.size() == 4 && args[2] == "--x";
  if (!block || (args.size() != 2 && !withX)) {
    problem = "import needs a database, a block number from 1 to 32767 and at most --x X";
    return std::nullopt;
  }
  ImportOptions options{args[0], *block, std::nullopt};
  if (withX) {
    options.x = position(args[3]);
    if (!options.x) {
      problem = "--x takes a position in metres, such as 88.5";
      return std::nullopt;
    }
  }
  return options;
}

void printLines(const std::string& text, std::ostream& err) {
  std::string line = text;
  for (char& c : line) {
    if (c == kMessageLineBreak) c = '\n';
  }
  err << line << '\n';
}

// The arrangement as the editor holds it once built: its geometry computed,
// which also fills the values the block keeps for information.
void computeAsTheEditorDoes(const std::string& database, Arrangement& arrangement) {
  ShipData ship;
  readShipData(database, ship);
  GeometryState state;
  MessageList messages;
  computeGeometry(arrangement, state, messages, defaultPlatingMaterial(ship));
}

int appendArrangement(const std::string& database, Arrangement& arrangement,
                      const CommandStreams& streams) {
  const SaveRequest request{.database = database,
                            .blockNumber = kAppendedBlock,
                            .makeBackup = true,
                            .source = {},
                            .context = currentWriteContext()};
  const SaveResult saved = saveArrangement(request, arrangement);
  for (const FileMessage& message : saved.messages) streams.err << message.toString() << '\n';
  if (saved.status != SaveStatus::Saved) return kExitFailed;
  streams.out << saved.blockNumber << '\n';
  return kExitOk;
}

}  // namespace

int importCommand(const std::vector<std::string>& args, const CommandStreams& streams) {
  std::string problem;
  const std::optional<ImportOptions> options = parse(args, problem);
  if (!options) {
    streams.err << "korain-cli: " << problem << '\n';
    return kExitUsage;
  }
  Section section;
  const SectionReadResult read =
      readSection(options->database, options->block, section, Arrangements::Refuse);
  for (const FileMessage& message : read.messages) streams.err << message.toString() << '\n';
  if (!read.found()) return kExitFailed;

  Arrangement arrangement;
  const SectionImport result = importSection(section, arrangement, {});
  for (const std::string& message : result.messages.texts()) streams.err << message << '\n';
  if (!result.imported) {
    printLines(result.warning, streams.err);
    return kExitFailed;
  }
  arrangement.X = options->x.value_or(section.X);
  computeAsTheEditorDoes(options->database, arrangement);
  return appendArrangement(options->database, arrangement, streams);
}

}  // namespace korain
