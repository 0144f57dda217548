// The system's printers with "PDF file", their margins and the drawing's page layout.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/printer_catalogue.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include "drawing_print.h"
#include "print/margin_checks.h"
#include "print_surface_qt.h"

namespace korain {

QStringList SystemPrinters::names() const {
  QStringList names = QPrinterInfo::availablePrinterNames();
  const QString standard = QPrinterInfo::defaultPrinterName();
  if (names.removeAll(standard) > 0) names.prepend(standard);
  names.append(kPdfFilePrinter);
  return names;
}

double SystemPrinters::smallestMargin(const QString& name) const {
  constexpr double kMmPerCm = 10;
  // A PDF page keeps only its own edge free at the foot.
  if (name == kPdfFilePrinter) return kPdfEdgeMm / kMmPerCm;
  const std::unique_ptr<QPrinter> printer = systemPrinter(name);
  const QPageLayout layout = printer->pageLayout();
  return smallestPrinterMargin(layout.fullRect(QPageLayout::Millimeter).height() / kMmPerCm,
                               layout.paintRect(QPageLayout::Millimeter).height() / kMmPerCm);
}

std::unique_ptr<QPrinter> systemPrinter(const QString& name) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPrinterName(name);
  return printer;
}

QPageLayout drawingLayoutFor(const QString& name) {
  if (name == kPdfFilePrinter) {
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    return drawingPageLayout(pdf.pageLayout().pageSize());
  }
  const std::unique_ptr<QPrinter> printer = systemPrinter(name);
  printer->setPageOrientation(QPageLayout::Landscape);
  return printer->pageLayout();
}

}  // namespace korain
