// Printing the drawing sheet on a printer.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_printer.h"

#include <QPainter>

namespace korain {

bool printDrawingOn(QPrinter& printer, const DrawingPrint& print, const DrawingScene& scene,
                    std::string& error) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = "the printer " + printer.printerName().toStdString() + " cannot be printed on";
    return false;
  }
  const QRectF sheet(0, 0, printer.width(), printer.height());
  paintDrawingPrint(painter, sheet, printer.resolution(), print, scene);
  return painter.end();
}

}  // namespace korain
