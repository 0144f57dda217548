// korain-cli: batch commands over database files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "draw_command.h"
#include "geometry_commands.h"
#include "import_command.h"
#include "model/versions.h"
#include "report_command.h"
#include "resonance_command.h"
#include "ship_command.h"
#include "text/text_utils.h"

namespace {

constexpr std::string_view kUsage =
    "usage: korain-cli list DB\n"
    "       korain-cli dump DB N [--as-read]\n"
    "       korain-cli load DB N FILE.json\n"
    "       korain-cli check DB N [--json]\n"
    "       korain-cli legend DB N MODE\n"
    "       korain-cli draw DB N -o FILE [--size WxH] [--show LIST] [--check MODE]\n"
    "                      [--title-block] [--normalised-scale] [--scale 1:N]\n"
    "                      [--paper A4|A3|A2] [--title LINE]...\n"
    "       korain-cli resonance DB N\n"
    "       korain-cli report DB N -o FILE.pdf [--items 0,1,...]\n"
    "       korain-cli ship DB\n"
    "       korain-cli resave DB N\n"
    "       korain-cli copy DB N OTHER\n"
    "       korain-cli import DB S [--x X]\n"
    "       korain-cli --help | --version\n"
    "  list    one line per block of the database DB: position, kind, name\n"
    "  dump    block N of DB, a bulkhead arrangement, as JSON, with its computed geometry;\n"
    "          --as-read: exactly as the file holds it, before any computation\n"
    "  load    saves the arrangement of FILE.json (as dump writes it) as arrangement N of DB,\n"
    "          or as a new last block when N is one more than the number of blocks\n"
    "  check   the messages of the geometry of arrangement N, one a line, or with --json\n"
    "          as an array of records (severity, bulkhead, object, text)\n"
    "  legend  the check legend of arrangement N: palette position, colour, text;\n"
    "          MODE 0 scantling, 5 material, 6 thickness, 8 span reduction,\n"
    "          9 bracket scantling, 10 bracket length, 11 connection\n"
    "  draw    the drawing of arrangement N as .bmp, .png, .svg, .pdf or .dxf (by the\n"
    "          extension); LIST: axis,stools,nodes,numbers,members,stiffeners,strakes,\n"
    "          corrugation,scantlings or all; --paper A4|A3|A2 (a PDF) on a landscape sheet\n"
    "          with the title block, at --scale 1:N or the normalised scale, --title LINE\n"
    "          up to 3 times\n"
    "  resonance  the risk of resonance of the liquid in the compartments of arrangement N:\n"
    "          ship periods, and Tx, Ty and the risks of every filling level, as JSON\n"
    "  report  the data report of arrangement N as a PDF; items 0 front page, 1 main data,\n"
    "          2 bulkheads, 3 nodes, 4 primary members, 5 ordinary stiffeners, 6 strake bands,\n"
    "          7 compartments, 8 risk of resonance, 9 corrugation (all by default)\n"
    "  ship    the ship data of DB as JSON, with the material names\n"
    "  resave  reads arrangement N of DB and saves it back in the current version\n"
    "  copy    appends arrangement N of DB to the database OTHER as a new block\n"
    "  import  builds an arrangement from the compartments of hull section S of DB, at X\n"
    "          (the section's own by default), appends it to DB and prints its block number\n"
    "Databases are saved in one step, their previous content kept under the same name with\n"
    "the extension .bak (ship.ko2: ship.bak); a read-only or missing database is reported and\n"
    "nothing is written. Exit status: 0 done, 1 failed, 2 wrong usage.\n";

int usage(std::string_view problem) {
  std::cerr << "korain-cli: " << problem << '\n' << kUsage;
  return korain::kExitUsage;
}

// The commands that name a database and a block, with their further arguments.
int blockCommand(const std::vector<std::string>& args, const korain::CommandStreams& streams) {
  const std::string& command = args[0];
  const std::optional<korain::Integer> n = korain::blockNumber(args[2]);
  if (!n) return usage("the block number must be a whole number from 1 to 32767");
  const std::string& database = args[1];
  if (args.size() == 3) {
    if (command == "dump")
      return korain::dumpCommand(database, *n, korain::DumpMode::Computed, streams);
    if (command == "resave") return korain::resaveCommand(database, *n, streams);
    if (command == "check") {
      return korain::checkCommand(database, *n, korain::CheckOutput::Lines, streams);
    }
    if (command == "resonance") return korain::resonanceCommand(database, *n, streams);
  } else if (args.size() == 4) {
    if (command == "dump" && args[3] == "--as-read") {
      return korain::dumpCommand(database, *n, korain::DumpMode::AsRead, streams);
    }
    if (command == "check" && args[3] == "--json") {
      return korain::checkCommand(database, *n, korain::CheckOutput::Json, streams);
    }
    if (command == "load") return korain::loadCommand(database, *n, args[3], streams);
    if (command == "copy") return korain::copyCommand(database, *n, args[3], streams);
    if (command == "legend") {
      const std::optional<korain::Long> mode = korain::checkMode(args[3]);
      if (!mode) return usage("MODE must be one of 0, 5, 6, 8, 9, 10, 11");
      return korain::legendCommand(database, *n, *mode, streams);
    }
  }
  return usage("unknown command or wrong arguments");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const korain::CommandStreams streams{std::cout, std::cerr};
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return korain::kExitOk;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "korain-cli " << korain::kReleaseVersion << '\n';
    return korain::kExitOk;
  }
  if (args.size() == 2 && args[0] == "list") return korain::listCommand(args[1], streams);
  if (args.size() == 2 && args[0] == "ship") return korain::shipCommand(args[1], streams);
  if (!args.empty() && args[0] == "draw") {
    return korain::drawCommand({args.begin() + 1, args.end()}, streams);
  }
  if (!args.empty() && args[0] == "import") {
    return korain::importCommand({args.begin() + 1, args.end()}, streams);
  }
  if (!args.empty() && args[0] == "report") {
    return korain::reportCommand({args.begin() + 1, args.end()}, streams);
  }
  if (args.size() == 3 || args.size() == 4) return blockCommand(args, streams);
  return usage(args.empty() ? "no command given" : "unknown command or wrong arguments");
}
