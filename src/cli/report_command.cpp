// korain-cli report: the data report of one arrangement as a PDF file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_command.h"

#include <QHashFunctions>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "computed_arrangement.h"
#include "configuration.h"
#include "identity.h"
#include "ini_file.h"
#include "offscreen_application.h"
#include "print_surface_qt.h"
#include "printed_titles.h"
#include "report/data_report.h"
#include "report_pictures.h"
#include "usage.h"
#include "write_context.h"

namespace korain {
namespace {

struct ReportOptions {
  std::string database;
  Integer block = 0;
  std::string output;
  std::array<bool, kReportItems> items{};
  std::vector<std::string> titles;  // the front page's typed title lines
};

bool parseItems(std::string_view list, std::array<bool, kReportItems>& items) {
  items.fill(false);
  for (const std::string_view text : commaList(list)) {
    const std::optional<int> item = wholeNumber<int>(text);
    if (!item || *item < 0 || *item >= kReportItems) return false;
    items[static_cast<std::size_t>(*item)] = true;
  }
  return true;
}

// The output is checked before the database and block: a wrong file name is
// the likelier slip, and the one worth naming.
std::optional<std::string> outputProblem(const std::string& output) {
  if (output.empty()) return "report needs -o FILE.pdf";
  const std::size_t dot = output.find_last_of('.');
  const std::size_t slash = output.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return "the report is written as PDF: " + output + " has no extension, .pdf is needed";
  }
  const std::string extension = output.substr(dot);
  if (extension == ".pdf") return std::nullopt;
  return "the report is written as PDF: " + output + " ends in " + extension + ", not .pdf";
}

std::optional<ReportOptions> parse(const std::vector<std::string>& args, std::string& problem) {
  ReportOptions options;
  options.items.fill(true);
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "-o" && hasValue) {
      options.output = args[++i];
    } else if (args[i] == "--items" && hasValue) {
      if (!parseItems(args[++i], options.items))
        problem = "--items takes numbers from 0 to 10, by commas";
    } else if (args[i] == "--title" && hasValue) {
      addTitleLine(options.titles, args[++i], problem);
    } else if (args[i].starts_with("-") || positional.size() == 2) {
      problem = "report does not know " + args[i];
    } else {
      positional.push_back(args[i]);
    }
    if (!problem.empty()) return std::nullopt;
  }
  if (const std::optional<std::string> wrongOutput = outputProblem(options.output)) {
    problem = *wrongOutput;
    return std::nullopt;
  }
  const std::optional<Integer> block =
      positional.size() == 2 ? blockNumber(positional[1]) : std::nullopt;
  if (!block) {
    problem = "report needs a database and a block number from 1 to 32767";
    return std::nullopt;
  }
  options.database = positional[0];
  options.block = *block;
  // An empty list chooses nothing: the print dialog refuses that, and so do we.
  if (const std::optional<std::string> refused = reportSelectionProblem(options.items)) {
    problem = *refused;
    return std::nullopt;
  }
  return options;
}

// What to print, and the configuration's steel density and thickness
// deduction for the weights and section properties.
ReportRequest reportRequest(const ReportOptions& options, const ComputedArrangement& computed) {
  // Only the steel's values are read: no folder of the program is needed.
  const PathConfig paths = readPathConfig(configurationFilePath(), {});
  ReportRequest request;
  request.Items = options.items;
  request.DatabaseName = options.database;
  request.ShipPresence = computed.shipPresence;
  request.Reading = computed.reading();
  request.SteelDensity = paths.SteelDensity;
  request.ThicknessDeduction = paths.ThicknessDeduction;
  request.Titles =
      fillTitleBlock(printedTitleInput(options.titles), computed.arrangement, computed.ship);
  return request;
}

}  // namespace

int reportCommand(const std::vector<std::string>& args, const CommandStreams& streams) {
  std::string problem;
  const std::optional<ReportOptions> options = parse(args, problem);
  if (!options) {
    return wrongUse("report", problem, streams.err);
  }
  ComputedArrangement computed;
  if (!readComputedArrangement(options->database, options->block, computed, streams.err)) {
    return kExitFailed;
  }
  // Qt writes a PDF's fonts in the order of a hash seeded at random each run:
  // reproducible output needs the fixed seed too.
  if (sourceDateEpoch()) QHashSeed::setDeterministicGlobalSeed();
  OffscreenApplication application;
  const IdentificationConfig identity = readIdentificationConfig(configurationFilePath());
  PageSetup setup;
  setup.UserName = identity.User;
  setup.Organisation = identity.Organisation;
  setup.LoginName = loginName();
  const ReportRequest request = reportRequest(*options, computed);

  const DisplayOptions display;
  const DisplayConfig labels = defaultDisplayConfig();
  // The bulkheads' pictures stand before the hull section, as drawings do.
  const std::optional<Section> section = hullSectionOf(options->database, computed.arrangement);
  const DrawingScene scene{computed.arrangement, section ? &*section : nullptr, computed.ship,
                           display, labels};
  PdfPrintSurface pdf(options->output, {.title = computed.arrangement.Name, .created = pdfDate()});
  pdf.setPicturePainter(reportPicturePainter(scene));
  printReport(pdf, setup, computed.arrangement, computed.ship, request);
  pdf.endDocument();
  if (!pdf.written()) {
    streams.err << options->output << ": cannot be written: " << pdf.error() << '\n';
    return kExitFailed;
  }
  streams.out << options->output << ": " << pdf.pageNumber() << " pages\n";
  return kExitOk;
}

}  // namespace korain
