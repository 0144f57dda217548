// korain-cli: batch commands over database files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "copy_bulkheads_command.h"
#include "draw_command.h"
#include "geometry_commands.h"
#include "import_command.h"
#include "import_contour_command.h"
#include "model/versions.h"
#include "properties_command.h"
#include "report_command.h"
#include "resonance_command.h"
#include "ship_command.h"
#include "standard_output.h"
#include "usage.h"

namespace korain {
namespace {

using Arguments = std::vector<std::string>;

// A command's arguments after its name: the database, the block number and
// further words, counted against what the command takes.
struct BlockArguments {
  std::string database;
  Integer block = 0;
  Arguments rest;
};

std::optional<BlockArguments> blockArguments(const Arguments& args, std::size_t mostRest,
                                             std::ostream& err, int& status) {
  const std::string& command = args[0];
  if (args.size() < 3) {
    status = wrongUse(command, command + " needs a database and a block number", err);
    return std::nullopt;
  }
  if (args.size() > 3 + mostRest) {
    status = wrongUse(command, command + " takes " + std::to_string(2 + mostRest) +
                                   " arguments at most: too many arguments",
                      err);
    return std::nullopt;
  }
  const std::optional<Integer> n = blockNumber(args[2]);
  if (!n) {
    status = wrongUse(command, "the block number must be a whole number from 1 to 32767", err);
    return std::nullopt;
  }
  return BlockArguments{args[1], *n, {args.begin() + 3, args.end()}};
}

// dump DB N [-] [--as-read]: "-", standard output, is where dump always writes.
int dump(const BlockArguments& a, const CommandStreams& streams) {
  DumpMode mode = DumpMode::Computed;
  bool toStandardOutput = false;
  for (const std::string& word : a.rest) {
    if (word == "--as-read" && mode == DumpMode::Computed) {
      mode = DumpMode::AsRead;
    } else if (word == "-" && !toStandardOutput) {
      toStandardOutput = true;
    } else {
      return wrongUse("dump", "dump does not know " + word, streams.err);
    }
  }
  return dumpCommand(a.database, a.block, mode, streams);
}

int check(const BlockArguments& a, const CommandStreams& streams) {
  if (a.rest.empty()) return checkCommand(a.database, a.block, CheckOutput::Lines, streams);
  if (a.rest[0] == "--json") return checkCommand(a.database, a.block, CheckOutput::Json, streams);
  return wrongUse("check", "check does not know " + a.rest[0], streams.err);
}

int legend(const BlockArguments& a, const CommandStreams& streams) {
  if (a.rest.empty()) return wrongUse("legend", "legend needs a MODE", streams.err);
  const std::optional<Long> mode = checkMode(a.rest[0]);
  if (!mode) {
    return wrongUse("legend", "MODE must be one of 0, 5, 6, 8, 9, 10, 11, 12", streams.err);
  }
  return legendCommand(a.database, a.block, *mode, streams);
}

// How many words a command takes after its block number.
std::size_t mostWordsAfterBlock(const std::string& command) {
  if (command == "properties") return 3;
  if (command == "dump") return 2;
  const bool takesOne =
      command == "check" || command == "legend" || command == "load" || command == "copy";
  return takesOne ? 1 : 0;
}

// The commands that name a database and a block, then perhaps a few words.
int blockCommand(const Arguments& args, const CommandStreams& streams) {
  const std::string& command = args[0];
  int status = kExitUsage;
  const std::optional<BlockArguments> a =
      blockArguments(args, mostWordsAfterBlock(command), streams.err, status);
  if (!a) return status;
  if (command == "dump") return dump(*a, streams);
  if (command == "properties") return propertiesCommand(a->database, a->block, a->rest, streams);
  if (command == "check") return check(*a, streams);
  if (command == "legend") return legend(*a, streams);
  if (command == "resave") return resaveCommand(a->database, a->block, streams);
  if (command == "resonance") return resonanceCommand(a->database, a->block, streams);
  if (a->rest.empty()) {
    return wrongUse(command, command == "load" ? "load needs a FILE.json, or - for standard input"
                                               : "copy needs the database OTHER",
                    streams.err);
  }
  if (command == "load") return loadCommand(a->database, a->block, a->rest[0], streams);
  return copyCommand(a->database, a->block, a->rest[0], streams);
}

// The commands that name only a database.
int databaseCommand(const Arguments& args, const CommandStreams& streams) {
  const std::string& command = args[0];
  if (args.size() != 2) {
    return wrongUse(command,
                    args.size() < 2 ? command + " needs a database"
                                    : command + " takes one database: too many arguments",
                    streams.err);
  }
  return command == "list" ? listCommand(args[1], streams) : shipCommand(args[1], streams);
}

bool asksForHelp(const Arguments& args) {
  return std::any_of(args.begin() + 1, args.end(),
                     [](const std::string& word) { return word == "--help" || word == "-h"; });
}

int run(const Arguments& args, const CommandStreams& streams) {
  if (args.empty()) return wrongUse("", "no command given", streams.err);
  const std::string& command = args[0];
  if (args.size() == 1 && (command == "--help" || command == "-h")) {
    streams.out << fullUsage();
    return kExitOk;
  }
  if (args.size() == 1 && command == "--version") {
    streams.out << "korain-cli " << kReleaseVersion << '\n';
    return kExitOk;
  }
  const std::optional<std::string> help = commandUsage(command);
  if (!help) return wrongUse("", "unknown command '" + command + "'", streams.err);
  if (asksForHelp(args)) {
    streams.out << *help;
    return kExitOk;
  }
  const Arguments rest(args.begin() + 1, args.end());
  if (command == "list" || command == "ship") return databaseCommand(args, streams);
  if (command == "draw") return drawCommand(rest, streams);
  if (command == "import") return importCommand(rest, streams);
  if (command == "copy-bulkheads") return copyBulkheadsCommand(rest, streams);
  if (command == "import-contour") return importContourCommand(rest, streams);
  if (command == "report") return reportCommand(rest, streams);
  return blockCommand(args, streams);
}

}  // namespace
}  // namespace korain

int main(int argc, char** argv) {
  // Standard output is gathered and written at the end, so that a failed
  // write is seen, and said, before the exit status is chosen.
  std::ostringstream out;
  const korain::CommandStreams streams{out, std::cerr};
  const int status = korain::run({argv + 1, argv + argc}, streams);
  if (!korain::writeStandardOutput(out.view(), std::cerr)) return korain::kExitFailed;
  return status;
}
