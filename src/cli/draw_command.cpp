#include "draw_command.h"

#include <QByteArray>
#include <optional>
#include <ostream>
#include <utility>

#include "arguments.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "computed_arrangement.h"
#include "configuration.h"
#include "drawing_export.h"
#include "io/text_file.h"
#include "offscreen_application.h"
#include "section/nearest_section.h"
#include "title_block_now.h"
#include "view/print_scale.h"

namespace korain {
namespace {

struct DrawOptions {
  std::string database;
  Integer block = 0;
  std::string output;
  QSize size{1600, 1000};
  Long displayWord = display_bit::kAxis | display_bit::kStools;
  Long checkMode = kNoCheck;
  bool titleBlock = false;
  bool normalisedScale = false;
};

const std::pair<const char*, Long> kShowNames[] = {{"axis", display_bit::kAxis},
                                                   {"stools", display_bit::kStools},
                                                   {"nodes", display_bit::kNodes},
                                                   {"numbers", display_bit::kNodeNumbers},
                                                   {"members", display_bit::kPrimaryMembers},
                                                   {"stiffeners", display_bit::kStiffeners},
                                                   {"strakes", display_bit::kStrakes},
                                                   {"corrugation", display_bit::kCorrugation},
                                                   {"scantlings", display_bit::kScantlings}};

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
    } else if (arg == "--size" && hasValue) {
      if (!parseSize(args[++i], options.size))
        problem = "--size takes WxH, 16 to 20000 pixels each";
    } else if (arg == "--show" && hasValue) {
      if (!parseShow(args[++i], options.displayWord)) {
        problem =
            "--show takes axis,stools,nodes,numbers,members,stiffeners,strakes,corrugation,scantlings or all";
      }
    } else if (arg == "--check" && hasValue) {
      const std::optional<Long> mode = checkMode(args[++i]);
      if (mode) {
        options.checkMode = *mode;
      } else {
        problem = "--check takes one of 0, 5, 6, 8, 9, 10, 11";
      }
    } else {
      problem = "draw does not know " + arg;
    }
    if (!problem.empty()) return std::nullopt;
  }
  if (options.output.empty()) problem = "draw needs -o FILE";
  if (!options.output.empty() && !exportFormatOf(options.output)) {
    problem = "the output must end in .bmp, .png, .svg or .pdf";
  }
  if (!problem.empty()) return std::nullopt;
  return options;
}

TitleBlock titleBlockFor(const ComputedArrangement& computed, const DrawOptions& options,
                         double ratio) {
  TitleBlock block = fillTitleBlock(titleBlockInputNow(0), computed.arrangement, computed.ship);
  if (options.normalisedScale) block.Scale = scaleText(ratio);
  return block;
}

}  // namespace

int drawCommand(const std::vector<std::string>& args, const CommandStreams& streams) {
  std::string problem;
  const std::optional<DrawOptions> options = parse(args, problem);
  if (!options) {
    streams.err << "korain-cli: " << problem << '\n';
    return kExitUsage;
  }
  ComputedArrangement computed;
  if (!readComputedArrangement(options->database, options->block, computed, streams.err)) {
    return kExitFailed;
  }
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(options->database, error);
  const std::optional<Section> section =
      bytes ? nearestSection(*bytes, options->database, computed.arrangement.X) : std::nullopt;

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
  ExportRequest request{
      .path = options->output, .size = options->size, .titleBlock = {}, .scaleRatio = 0};
  if (options->normalisedScale) {
    const WorldWindow full = fullExtent(computed.arrangement, scene.section, computed.ship);
    const double centimetresPerPixel = 2.54 / 96;
    request.scaleRatio = choosePrintScale(options->size.width() * centimetresPerPixel,
                                          options->size.height() * centimetresPerPixel, full.width,
                                          full.height, true);
  }
  if (options->titleBlock)
    request.titleBlock = titleBlockFor(computed, *options, request.scaleRatio);
  if (!exportDrawing(request, scene, error)) {
    streams.err << options->output << ": cannot be written: " << error << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace korain
