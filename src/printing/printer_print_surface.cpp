// The report's print surface on a printer: its printable area, one sheet per page.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer_print_surface.h"

#include <QPageLayout>

#include "inch_units.h"

namespace korain {
namespace {

// The printable area in the printer's device pixels, from its top left corner.
QRectF printableArea(QPrinter& printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return {0, 0, static_cast<double>(area.width()), static_cast<double>(area.height())};
}

}  // namespace

PrinterPrintSurface::PrinterPrintSurface(QPrinter& printer)
    : PainterPrintSurface(SurfaceKind::Printer, printableArea(printer),
                          printer.resolution() / kCentimetresPerInch),
      printer_(printer) {
  const QPageLayout layout = printer.pageLayout();
  setSheet(layout.fullRect(QPageLayout::Millimeter).width() / 10,
           layout.paintRect(QPageLayout::Millimeter).left() / 10);
  beginPainting(printer_);
}

void PrinterPrintSurface::endDocument() {
  if (stopped()) printer_.abort();
  endPainting();
}

}  // namespace korain
