// Preparing the report's surface, breaking its pages with header and footer, and its end.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_flow.h"

#include <algorithm>
#include <string>

#include "print/font_change.h"
#include "print/print_headings.h"

namespace korain {
namespace {

constexpr double kLoginSizeDecrease = 4;
constexpr double kPageNumberSizeDecrease = 1;
constexpr double kHeaderSizeDecrease = 1;
// The footer is set smaller than the text, but never below what reads with ease.
constexpr double kSmallestFooterPoints = 6;

// The report font, plain, made smaller by sizeDecrease points.
PrintFont reportFont(const PrintSurface& surface, const PageSetup& setup, double sizeDecrease) {
  return {.Name = setup.FontName.empty() ? surface.font().Name : setup.FontName,
          .Size = setup.FontSize - sizeDecrease};
}

PrintFont footerFont(const PrintSurface& surface, const PageSetup& setup, double sizeDecrease) {
  PrintFont font = reportFont(surface, setup, sizeDecrease);
  font.Size = std::max(font.Size, kSmallestFooterPoints);
  return font;
}

double usableBottom(const PrintSurface& surface, const PageSetup& setup) {
  const bool printer = surface.kind() == SurfaceKind::Printer;
  return surface.height() - (printer ? setup.BottomMargin : kPreviewBottomMargin);
}

// Prints the text with its line's bottom on the foot margin, from x.
void printOnFootMargin(PrintSurface& surface, const PageSetup& setup, double x,
                       std::string_view text) {
  surface.setX(x);
  surface.setY(surface.height() - setup.FootMargin - surface.textHeight(text));
  surface.print(text);
}

}  // namespace

void prepareSurface(PrintSurface& surface, PageSetup& setup) {
  if (surface.kind() == SurfaceKind::Printer) {
    surface.setFont(reportFont(surface, setup, 0));
    surface.setLeftMargin(setup.LeftMargin);
    setup.PageCounter = 0;
  } else {
    surface.setFont(PrintFont{.Name = "Arial", .Size = 8});
    surface.setLeftMargin(0);
  }
  surface.setX(0);
  surface.setY(0);
}

bool isOutputHidden(const PrintSurface& surface) { return !surface.isVisible(); }

bool ensureSpace(PrintSurface& surface, PageSetup& setup, int lines, bool noFooter) {
  const double needed = lines * surface.lineHeight();
  if (surface.y() + needed < usableBottom(surface, setup)) return false;
  if (surface.kind() == SurfaceKind::Preview) {
    if (lines == kLastPageLines) {
      surface.endDocument();
    } else {
      surface.newPage();
    }
    return true;
  }
  if (!noFooter) printPageFooter(surface, setup);
  surface.newPage();
  printPageHeader(surface, setup);
  return true;
}

void printPageFooter(PrintSurface& surface, PageSetup& setup) {
  ++setup.PageCounter;
  {
    const FontChange small(surface, footerFont(surface, setup, kLoginSizeDecrease));
    printOnFootMargin(surface, setup, 0, setup.LoginName);
  }
  const FontChange large(surface, footerFont(surface, setup, kPageNumberSizeDecrease));
  const std::string page = "Page " + std::to_string(setup.FirstPage + setup.PageCounter - 1);
  printOnFootMargin(surface, setup, surface.width() - surface.textWidth(page), page);
}

void printPageHeader(PrintSurface& surface, const PageSetup& setup) {
  if (setup.HeaderLines.empty()) return;
  {
    PrintFont font = reportFont(surface, setup, kHeaderSizeDecrease);
    font.Italic = true;
    const FontChange header(surface, font);
    for (const std::string& line : setup.HeaderLines) {
      surface.print(line);
      surface.newLine();
    }
  }
  horizontalRule(surface);
}

void finishDocument(PrintSurface& surface, PageSetup& setup) {
  if (surface.kind() == SurfaceKind::Printer) {
    printPageFooter(surface, setup);
    surface.endDocument();
  } else {
    ensureSpace(surface, setup, kLastPageLines);
  }
}

}  // namespace korain
