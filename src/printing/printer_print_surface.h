// The report printed on a printer: the printer's own printable area and
// resolution, one sheet per page.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>

#include "print_surface_qt.h"

namespace korain {

class PrinterPrintSurface final : public PainterPrintSurface {
 public:
  // The printer must be set up (chosen, page size, copies) and outlive the surface.
  explicit PrinterPrintSurface(QPrinter& printer);
  ~PrinterPrintSurface() override { endPainting(); }

  bool isVisible() const override { return !stopped(); }
  // A stopped document is taken back from the printer.
  void endDocument() override;

 protected:
  void startPage() override {
    pageFinished();
    printer_.newPage();
  }

 private:
  QPrinter& printer_;
};

}  // namespace korain
