// The draw command: its options read, and the drawing written on paper or into a file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw_command.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QPageSize>
#include <optional>
#include <ostream>
#include <utility>

#include "arguments.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "computed_arrangement.h"
#include "configuration.h"
#include "drawing_export.h"
#include "drawing_print.h"
#include "offscreen_application.h"
#include "printed_titles.h"
#include "usage.h"
#include "view/print_scale.h"
#include "write_context.h"

namespace korain {
namespace {

struct DrawOptions {
  std::string database;
  Integer block = 0;
  std::string output;
  QSize size{1600, 1000};
  // A drawing that leaves the program carries its dimension chains unless
  // --show leaves them out.
  Long displayWord = issuedDisplayWord(display_bit::kAxis | display_bit::kStools);
  Long checkMode = kNoCheck;
  bool titleBlock = false;
  bool normalisedScale = false;
  // On paper: a landscape sheet with the title block, at `scaleRatio` or the
  // normalised scale.
  std::optional<QPageSize::PageSizeId> paper;
  double scaleRatio = 0;  // metres of section per metre of sheet; 0: not given
  std::vector<std::string> titles;
};

std::optional<QPageSize::PageSizeId> paperNamed(std::string_view name) {
  if (name == "A4") return QPageSize::A4;
  if (name == "A3") return QPageSize::A3;
  if (name == "A2") return QPageSize::A2;
  return std::nullopt;
}

// "1:N", N a whole number from 1 to 100000.
std::optional<double> scaleRatioOf(std::string_view text) {
  if (!text.starts_with("1:")) return std::nullopt;
  const std::optional<int> ratio = wholeNumber<int>(text.substr(2));
  if (!ratio || *ratio < 1 || *ratio > 100000) return std::nullopt;
  return *ratio;
}

const std::pair<const char*, Long> kShowNames[] = {{"axis", display_bit::kAxis},
                                                   {"stools", display_bit::kStools},
                                                   {"nodes", display_bit::kNodes},
                                                   {"numbers", display_bit::kNodeNumbers},
                                                   {"members", display_bit::kPrimaryMembers},
                                                   {"stiffeners", display_bit::kStiffeners},
                                                   {"strakes", display_bit::kStrakes},
                                                   {"corrugation", display_bit::kCorrugation},
                                                   {"scantlings", display_bit::kScantlings},
                                                   {"dimensions", display_bit::kDimensions}};

bool parseShow(std::string_view list, Long& word) {
  word = 0;
  for (const std::string_view name : commaList(list)) {
    bool known = false;
    for (const auto& [text, bit] : kShowNames) {
      if (name == text) {
        word |= bit;
        known = true;
      }
    }
    if (!known && name != "all") return false;
    if (name == "all") {
      for (const auto& entry : kShowNames) word |= entry.second;
    }
  }
  return true;
}

bool parseSize(std::string_view text, QSize& size) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  const std::optional<int> width = wholeNumber<int>(text.substr(0, x));
  const std::optional<int> height = wholeNumber<int>(text.substr(x + 1));
  if (!width || !height) return false;
  if (*width < 16 || *height < 16 || *width > 20000 || *height > 20000) return false;
  size = {*width, *height};
  return true;
}

// The options, or the reason they are wrong.
std::optional<DrawOptions> parse(const std::vector<std::string>& args, std::string& problem) {
  DrawOptions options;
  const std::optional<Integer> block = args.size() >= 2 ? blockNumber(args[1]) : std::nullopt;
  if (!block) {
    problem = "draw needs a database and a block number from 1 to 32767";
    return std::nullopt;
  }
  options.database = args[0];
  options.block = *block;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--title-block") {
      options.titleBlock = true;
    } else if (arg == "--normalised-scale") {
      options.normalisedScale = true;
    } else if (arg == "-o" && hasValue) {
      options.output = args[++i];
    } else if (arg == "--paper" && hasValue) {
      options.paper = paperNamed(args[++i]);
      if (!options.paper) problem = "--paper takes A4, A3 or A2";
    } else if (arg == "--scale" && hasValue) {
      const std::optional<double> ratio = scaleRatioOf(args[++i]);
      options.scaleRatio = ratio.value_or(0);
      if (!ratio) problem = "--scale takes 1:N, N from 1 to 100000";
    } else if (arg == "--title" && hasValue) {
      addTitleLine(options.titles, args[++i], problem);
    } else if (arg == "--size" && hasValue) {
      if (!parseSize(args[++i], options.size))
        problem = "--size takes WxH, 16 to 20000 pixels each";
    } else if (arg == "--show" && hasValue) {
      if (!parseShow(args[++i], options.displayWord)) {
        problem =
            "--show takes "
            "axis,stools,nodes,numbers,members,stiffeners,strakes,corrugation,scantlings,"
            "dimensions or all";
      }
    } else if (arg == "--check" && hasValue) {
      const std::optional<Long> mode = checkMode(args[++i]);
      if (mode) {
        options.checkMode = *mode;
      } else {
        problem = "--check takes one of 0, 5, 6, 8, 9, 10, 11, 12";
      }
    } else {
      problem = "draw does not know " + arg;
    }
    if (!problem.empty()) return std::nullopt;
  }
  if (options.output.empty()) problem = "draw needs -o FILE";
  const std::optional<ExportFormat> format = exportFormatOf(options.output);
  if (!options.output.empty() && !format) {
    problem = "the output must end in .bmp, .png, .svg, .pdf or .dxf";
  } else if (options.paper && format != ExportFormat::Pdf) {
    problem = "--paper needs -o FILE.pdf";
  }
  if (!problem.empty()) return std::nullopt;
  return options;
}

// The title block as the print dialog fills it, with the typed lines.
TitleBlock titleBlockFor(const ComputedArrangement& computed, const DrawOptions& options,
                         double ratio) {
  TitleBlock block =
      fillTitleBlock(printedTitleInput(options.titles), computed.arrangement, computed.ship);
  if (ratio > 0) block.Scale = scaleText(ratio);
  return block;
}

// The drawing on a landscape sheet of the paper, as printed: at the scale
// given, else the normalised one; refused at a scale at which it does not fit.
int drawOnPaper(const DrawOptions& options, const ComputedArrangement& computed,
                const DrawingScene& scene, const CommandStreams& streams) {
  const DrawingPrint print{.titleBlock = titleBlockFor(computed, options, 0),
                           .scale = PrintScale::Normalised,
                           .ratio = options.scaleRatio,
                           .created = pdfDate()};
  const QPageSize paper(*options.paper);
  const QPageLayout layout = drawingPageLayout(paper);
  // A scale given too large for the paper would print a sheet that shows
  // part of the drawing: refused before anything is written.
  if (const std::optional<ScaleMisfit> misfit = scaleMisfit(layout, print, scene);
      misfit && options.scaleRatio > 0) {
    streams.err << "korain-cli: " << misfitText(*misfit, paper) << '\n';
    return kExitUsage;
  }
  std::string error;
  if (!printDrawingToPdf(options.output, layout, print, scene, error)) {
    streams.err << options.output << ": cannot be written: " << error << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

// A DXF drawing is at full size in metres: a scale only has the title block to go to.
void noteScaleOfDxf(const DrawOptions& options, const CommandStreams& streams) {
  if (exportFormatOf(options.output) != ExportFormat::Dxf) return;
  if (options.scaleRatio > 0 || options.normalisedScale) {
    streams.err << options.output
                << ": a DXF drawing is at full size in metres; the scale is stated only in "
                   "the title block (--title-block)\n";
  }
}

}  // namespace

int drawCommand(const std::vector<std::string>& args, const CommandStreams& streams) {
  std::string problem;
  const std::optional<DrawOptions> options = parse(args, problem);
  if (!options) {
    return wrongUse("draw", problem, streams.err);
  }
  ComputedArrangement computed;
  if (!readComputedArrangement(options->database, options->block, computed, streams.err)) {
    return kExitFailed;
  }
  const std::optional<Section> section = hullSectionOf(options->database, computed.arrangement);

  // Qt writes a PDF's fonts in the order of a hash seeded at random each run:
  // reproducible output needs the fixed seed too.
  if (sourceDateEpoch()) QHashSeed::setDeterministicGlobalSeed();
  OffscreenApplication application;
  DisplayOptions display;
  display.DisplayWord = options->displayWord;
  display.CheckMode = options->checkMode;
  display.Palette = defaultCheckPalette();
  if (options->checkMode != kNoCheck) {
    display.CurrentLegend = buildLegend(computed.arrangement, options->checkMode, display.Palette,
                                        computed.ship, [](std::string_view) {});
  }
  const DisplayConfig labels = defaultDisplayConfig();
  const DrawingScene scene{computed.arrangement, section ? &*section : nullptr, computed.ship,
                           display, labels};
  if (options->paper) return drawOnPaper(*options, computed, scene, streams);
  ExportRequest request{.path = options->output,
                        .size = options->size,
                        .titleBlock = {},
                        .scaleRatio = options->scaleRatio,
                        .created = pdfDate()};
  if (options->normalisedScale && options->scaleRatio == 0) {
    const WorldWindow full = fullExtent(computed.arrangement, scene.section, computed.ship);
    const double centimetresPerPixel = 2.54 / 96;
    request.scaleRatio = choosePrintScale(options->size.width() * centimetresPerPixel,
                                          options->size.height() * centimetresPerPixel, full.width,
                                          full.height, true);
  }
  if (options->titleBlock || !options->titles.empty()) {
    request.titleBlock = titleBlockFor(computed, *options, request.scaleRatio);
  }
  if (!request.titleBlock) noteScaleOfDxf(*options, streams);
  std::string error;
  if (!exportDrawing(request, scene, error)) {
    streams.err << options->output << ": cannot be written: " << error << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace korain
