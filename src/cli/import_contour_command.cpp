// korain-cli import-contour: a DXF file's contour made the nodes of a bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_contour_command.h"

#include <optional>
#include <ostream>

#include "arguments.h"
#include "dxf_contour_import.h"
#include "edit/contour_edits.h"
#include "ship/ship_data_reader.h"
#include "ship/ship_queries.h"
#include "usage.h"

namespace korain {
namespace {

struct ContourOptions {
  std::string database;
  Integer block = 0;
  std::string file;
  std::string layer;
  int bulkhead = 0;  // 0: a new bulkhead
};

constexpr char kUse[] =
    "import-contour needs a database, a block number, a DXF file and at most --layer NAME and "
    "--bulkhead K";

// The options after DB N FILE; false when one is unknown or lacks its value.
bool parseOptions(const std::vector<std::string>& args, ContourOptions& options,
                  std::string& problem) {
  for (std::size_t i = 3; i < args.size(); i += 2) {
    const bool valued = i + 1 < args.size();
    if (valued && args[i] == "--layer" && options.layer.empty() && !args[i + 1].empty()) {
      options.layer = args[i + 1];
    } else if (valued && args[i] == "--bulkhead" && options.bulkhead == 0) {
      const std::optional<Integer> k = blockNumber(args[i + 1]);
      if (!k) {
        problem = "--bulkhead takes a bulkhead's number, from 1";
        return false;
      }
      options.bulkhead = *k;
    } else {
      problem = kUse;
      return false;
    }
  }
  return true;
}

std::optional<ContourOptions> parse(const std::vector<std::string>& args, std::string& problem) {
  const std::optional<Integer> block = args.size() >= 3 ? blockNumber(args[1]) : std::nullopt;
  if (!block) {
    problem = kUse;
    return std::nullopt;
  }
  ContourOptions options{
      .database = args[0], .block = *block, .file = args[2], .layer = {}, .bulkhead = 0};
  if (!parseOptions(args, options, problem)) return std::nullopt;
  return options;
}

}  // namespace

int importContourCommand(const std::vector<std::string>& args, const CommandStreams& streams) {
  std::string problem;
  const std::optional<ContourOptions> options = parse(args, problem);
  if (!options) return wrongUse("import-contour", problem, streams.err);
  Arrangement arrangement;
  if (!readWholeArrangement(options->database, options->block, arrangement, streams.err)) {
    return kExitFailed;
  }
  if (options->bulkhead > arrangement.Bulkheads.count()) {
    streams.err << options->database << ": arrangement " << options->block << " has "
                << arrangement.Bulkheads.count() << " bulkheads, no bulkhead " << options->bulkhead
                << '\n';
    return kExitFailed;
  }
  const DxfContour contour = importDxfContour(options->file, options->layer);
  if (!contour.nodes.isDimensioned()) {
    streams.err << contour.refusal << '\n';
    return kExitFailed;
  }
  ShipData ship;
  readShipData(options->database, ship);
  replaceContour(arrangement, options->bulkhead, contour.nodes, defaultPlatingMaterial(ship));
  streams.out << options->file << ": " << contourSummary(contour) << " into bulkhead "
              << arrangement.CurBulkhead << '\n';
  return saveInto(options->database, options->block, std::move(arrangement), streams);
}

}  // namespace korain
