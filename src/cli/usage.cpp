// The text of korain-cli's usage, whole and by command, and the answer to a wrong use.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "usage.h"

#include <array>
#include <ostream>

#include "commands.h"

namespace korain {
namespace {

struct CommandHelp {
  std::string_view name;
  std::string_view synopsis;     // after "korain-cli ", continuation lines indented
  std::string_view description;  // lines indented by two, the first after the name
};

constexpr std::array<CommandHelp, 16> kCommands{{
    {"list", "list DB", "  list    one line per block of the database DB: position, kind, name\n"},
    {"dump", "dump DB N [-] [--as-read]",
     "  dump    block N of DB, a bulkhead arrangement, as JSON, with its computed geometry,\n"
     "          on standard output (also named -);\n"
     "          --as-read: exactly as the file holds it, before any computation\n"},
    {"load", "load DB N FILE.json|-",
     "  load    saves the arrangement of FILE.json (as dump writes it; - reads standard\n"
     "          input) as arrangement N of DB, or as a new last block when N is one more\n"
     "          than the number of blocks\n"},
    {"check", "check DB N [--json]",
     "  check   the messages of the geometry of arrangement N, one a line, or with --json\n"
     "          as an array of records (severity, bulkhead, object, text)\n"},
    {"legend", "legend DB N MODE",
     "  legend  the check legend of arrangement N: palette position, colour, text;\n"
     "          MODE 0 scantling, 5 material, 6 thickness, 8 span reduction,\n"
     "          9 bracket scantling, 10 bracket length, 11 connection, 12 section modulus\n"},
    {"draw",
     "draw DB N -o FILE [--size WxH] [--show LIST] [--check MODE]\n"
     "                      [--title-block] [--normalised-scale] [--scale 1:N]\n"
     "                      [--paper A4|A3|A2] [--title LINE]...",
     "  draw    the drawing of arrangement N as .bmp, .png, .svg, .pdf or .dxf (by the\n"
     "          extension); LIST: axis,stools,nodes,numbers,members,stiffeners,strakes,\n"
     "          corrugation,scantlings,dimensions or all (default axis,stools,dimensions);\n"
     "          --paper A4|A3|A2 (a PDF) on a landscape sheet with the title block, at\n"
     "          --scale 1:N (refused when the drawing does not fit) or the normalised\n"
     "          scale, --title LINE up to 3 times\n"},
    {"resonance", "resonance DB N",
     "  resonance  the risk of resonance of the liquid in the compartments of arrangement N:\n"
     "          ship periods, and Tx, Ty and the risks of every filling level, as JSON\n"},
    {"properties", "properties DB N [--json] [--deduct MM]",
     "  properties  per bulkhead of arrangement N its steel weight (t) and centre of gravity\n"
     "          (y, z in m) by part; per ordinary stiffener span its profile, attached plate\n"
     "          (mm), area (cm²), neutral axis (mm), inertia (cm⁴), section moduli at the\n"
     "          flange and the plate (cm³), length and brackets (m); --json as JSON;\n"
     "          --deduct MM also net values, MM (0 to 20) off every thickness (the\n"
     "          configuration's deduction by default); the density is the configuration's\n"},
    {"report", "report DB N -o FILE.pdf [--items 0,1,...] [--title LINE]...",
     "  report  the data report of arrangement N as a PDF; items 0 front page, 1 main data,\n"
     "          2 bulkheads, 3 nodes, 4 primary members, 5 ordinary stiffeners, 6 strake bands,\n"
     "          7 compartments, 8 risk of resonance, 9 corrugation, 10 weights and section\n"
     "          properties (all by default; the steel density and the net thickness deduction\n"
     "          as the configuration gives them); --title LINE up to 3 times gives the front\n"
     "          page's title lines\n"},
    {"ship", "ship DB", "  ship    the ship data of DB as JSON, with the material names\n"},
    {"resave", "resave DB N",
     "  resave  reads arrangement N of DB and saves it back in the current version\n"},
    {"copy", "copy DB N OTHER",
     "  copy    appends arrangement N of DB to the database OTHER as a new block\n"},
    {"copy-bulkheads", "copy-bulkheads DB N FROM_DB M [--bulkheads 1,3,...]",
     "  copy-bulkheads  appends the bulkheads of arrangement M of FROM_DB (all, or those\n"
     "          --bulkheads numbers, in that order) with everything they hold to arrangement N\n"
     "          of DB; FROM_DB may be DB itself and is only read; material numbers that name\n"
     "          another material in DB's ship are kept and said on standard error\n"},
    {"import", "import DB S [--x X]",
     "  import  builds an arrangement from the compartments of hull section S of DB, at X\n"
     "          (the section's own by default), appends it to DB and prints its block number\n"},
    {"import-contour", "import-contour DB N FILE.dxf [--layer NAME] [--bulkhead K]",
     "  import-contour  the longest chain of FILE.dxf (polylines with their bulges, or lines\n"
     "          and arcs joined end to end within 0.001 m; of layer NAME only when given)\n"
     "          made the nodes of bulkhead K of arrangement N, or of a new bulkhead appended\n"
     "          without --bulkhead; y and z are the drawing's x and y, in metres or as its\n"
     "          units say (millimetres, centimetres, inches, feet)\n"},
    {"--help | --version", "--help | --version", ""},
}};

constexpr std::string_view kClosing =
    "Databases are saved in one step, their previous content kept under the same name with\n"
    "the extension .bak (ship.ko2: ship.bak); a read-only or missing database is reported and\n"
    "nothing is written. A file that is not a database is refused. A failed write is reported\n"
    "with the file and the reason. Exit status: 0 done, 1 failed, 2 wrong usage.\n";

void appendSynopsis(std::string& text, std::string_view lead, const CommandHelp& command) {
  text.append(lead).append("korain-cli ").append(command.synopsis).append("\n");
}

}  // namespace

std::string fullUsage() {
  std::string text;
  for (const CommandHelp& command : kCommands) {
    appendSynopsis(text, text.empty() ? "usage: " : "       ", command);
  }
  for (const CommandHelp& command : kCommands) text.append(command.description);
  return text.append(kClosing);
}

std::optional<std::string> commandUsage(std::string_view name) {
  for (const CommandHelp& command : kCommands) {
    if (command.name != name || command.description.empty()) continue;
    std::string text;
    appendSynopsis(text, "usage: ", command);
    return text.append(command.description);
  }
  return std::nullopt;
}

int wrongUse(std::string_view command, std::string_view problem, std::ostream& err) {
  err << "korain-cli: " << problem << "; try 'korain-cli " << command
      << (command.empty() ? "" : " ") << "--help'\n";
  return kExitUsage;
}

}  // namespace korain
