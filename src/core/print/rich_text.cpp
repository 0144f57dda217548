// Splitting marked-up text into runs, and printing them raised, lowered or in the symbol font.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/rich_text.h"

#include <optional>

#include "print/font_change.h"
#include "text/utf8.h"

namespace korain {
namespace {

constexpr double kScriptSizeDecrease = 3;

std::optional<RichMark> markOf(char c) {
  switch (c) {
    case '^':
      return RichMark::Superscript;
    case '_':
      return RichMark::Subscript;
    case '~':
      return RichMark::Symbol;
    default:
      return std::nullopt;
  }
}

void appendPlain(std::vector<RichRun>& runs, std::string_view text) {
  if (runs.empty() || runs.back().Mark != RichMark::Plain) runs.push_back({RichMark::Plain, {}});
  runs.back().Text += text;
}

// The font a run is printed in, and how far its top moves down from the line's.
struct RunStyle {
  PrintFont Font;
  double Shift = 0;
};

RunStyle styleOf(PrintSurface& surface, const PageSetup& setup, RichMark mark) {
  RunStyle style;
  style.Font = surface.font();
  switch (mark) {
    case RichMark::Plain:
      return style;
    case RichMark::Symbol:
      style.Font.Name = setup.SymbolFontName;
      return style;
    case RichMark::Superscript:
    case RichMark::Subscript:
      break;
  }
  style.Font.Size -= kScriptSizeDecrease;
  const FontChange reduced(surface, style.Font);
  const double h = surface.textHeight("A") / 1.6;
  style.Shift = mark == RichMark::Superscript ? -h / 2.5 : h;
  return style;
}

double printRun(PrintSurface& surface, const PageSetup& setup, const RichRun& run,
                bool measureOnly) {
  const RunStyle style = styleOf(surface, setup, run.Mark);
  const FontChange change(surface, style.Font);
  const double width = surface.textWidth(run.Text);
  if (!measureOnly) {
    surface.setY(surface.y() + style.Shift);
    surface.print(run.Text);
  }
  return width;
}

}  // namespace

std::vector<RichRun> splitRichRuns(std::string_view text) {
  std::vector<RichRun> runs;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::optional<RichMark> mark = markOf(text[i]);
    const bool hasNext = i + 1 < text.size();
    if (mark && hasNext && text[i + 1] != text[i]) {
      const std::size_t end = characterEnd(text, i + 1);
      runs.push_back({*mark, std::string(text.substr(i + 1, end - i - 1))});
      i = end;
    } else if (mark && hasNext) {
      appendPlain(runs, text.substr(i, 1));
      i += 2;
    } else {
      const std::size_t end = characterEnd(text, i);
      appendPlain(runs, text.substr(i, end - i));
      i = end;
    }
  }
  return runs;
}

double printRich(PrintSurface& surface, const PageSetup& setup, std::string_view text,
                 bool measureOnly) {
  const double top = surface.y();
  double width = 0;
  for (const RichRun& run : splitRichRuns(text)) {
    width += printRun(surface, setup, run, measureOnly);
    surface.setY(top);
  }
  return width;
}

}  // namespace korain
