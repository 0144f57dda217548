// korain-cli copy-bulkheads: bulkheads of one arrangement appended to another.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copy_bulkheads_command.h"

#include <numeric>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "edit/bulkhead_copy.h"
#include "ship/ship_data_reader.h"
#include "usage.h"

namespace korain {
namespace {

struct CopyOptions {
  std::string database;
  Integer block = 0;
  std::string source;
  Integer sourceBlock = 0;
  std::vector<int> bulkheads;  // empty: all of them
};

std::optional<std::vector<int>> bulkheadList(std::string_view text) {
  std::vector<int> numbers;
  for (const std::string_view piece : commaList(text)) {
    const std::optional<int> number = wholeNumber<int>(piece);
    if (!number) return std::nullopt;
    numbers.push_back(*number);
  }
  if (numbers.empty()) return std::nullopt;
  return numbers;
}

std::optional<CopyOptions> parse(const std::vector<std::string>& args, std::string& problem) {
  const bool withList = args.size() == 6 && args[4] == "--bulkheads";
  const std::optional<Integer> block = args.size() >= 4 ? blockNumber(args[1]) : std::nullopt;
  const std::optional<Integer> sourceBlock = args.size() >= 4 ? blockNumber(args[3]) : std::nullopt;
  if (!block || !sourceBlock || (args.size() != 4 && !withList)) {
    problem =
        "copy-bulkheads needs a database, a block number, the database to copy from and its "
        "block number (from 1 to 32767), and at most --bulkheads LIST";
    return std::nullopt;
  }
  CopyOptions options{args[0], *block, args[2], *sourceBlock, {}};
  if (withList) {
    const std::optional<std::vector<int>> numbers = bulkheadList(args[5]);
    if (!numbers) {
      problem = "--bulkheads takes bulkhead numbers by commas, such as 1,3";
      return std::nullopt;
    }
    options.bulkheads = *numbers;
  }
  return options;
}

std::vector<int> allBulkheads(const Arrangement& arrangement) {
  std::vector<int> numbers(static_cast<std::size_t>(arrangement.Bulkheads.count()));
  std::iota(numbers.begin(), numbers.end(), 1);
  return numbers;
}

// The ship data of a database, whose material numbers the copy checks; a
// database without them checks against an empty table, as the editor shows it.
ShipData shipOf(const std::string& database) {
  ShipData ship;
  readShipData(database, ship);
  return ship;
}

}  // namespace

int copyBulkheadsCommand(const std::vector<std::string>& args, const CommandStreams& streams) {
  std::string problem;
  const std::optional<CopyOptions> options = parse(args, problem);
  if (!options) return wrongUse("copy-bulkheads", problem, streams.err);
  Arrangement from;
  Arrangement into;
  if (!readWholeArrangement(options->source, options->sourceBlock, from, streams.err) ||
      !readWholeArrangement(options->database, options->block, into, streams.err)) {
    return kExitFailed;
  }
  const std::vector<int> chosen =
      options->bulkheads.empty() ? allBulkheads(from) : options->bulkheads;
  const std::string sourceName =
      "block " + std::to_string(options->sourceBlock) + " of " + options->source;
  if (const std::optional<std::string> refused =
          refusedBulkheadChoice(from, chosen, into.Bulkheads.count())) {
    streams.err << sourceName << ": " << *refused << '\n';
    return kExitFailed;
  }
  const ShipData there = shipOf(options->source);
  const ShipData here = shipOf(options->database);
  const EditOutcome outcome = appendBulkheads(
      into, pickBulkheads(from, chosen, sourceName, CopyShips{.there = there, .here = here}));
  for (const Message& message : outcome.messages) streams.err << message.text << '\n';
  return saveInto(options->database, options->block, std::move(into), streams);
}

}  // namespace korain
