// The printers the print dialogs offer: the system's, and always "PDF file",
// Qt's own PDF output, so that a machine without a printer can print too.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>
#include <memory>

namespace korain {

inline const QString kPdfFilePrinter = QStringLiteral("PDF file");

class PrinterCatalogue {
 public:
  virtual ~PrinterCatalogue() = default;
  // The printers by name, the system's default first, "PDF file" last.
  virtual QStringList names() const = 0;
  // The smallest margin (cm) the printer allows at the foot of a page.
  virtual double smallestMargin(const QString& name) const = 0;
  // The sheet a drawing is printed on by the named printer.
  virtual QPageLayout drawingLayout(const QString& name) const = 0;
};

// The sheet a drawing is printed on: the named printer's paper, landscape;
// for "PDF file" the paper Qt gives a PDF of this locale.
QPageLayout drawingLayoutFor(const QString& name);

// The printers installed on this machine, through Qt.
class SystemPrinters final : public PrinterCatalogue {
 public:
  QStringList names() const override;
  double smallestMargin(const QString& name) const override;
  QPageLayout drawingLayout(const QString& name) const override { return drawingLayoutFor(name); }
};

// A printer set up for printing on the named system printer (A4 portrait
// unless the printer says otherwise).
std::unique_ptr<QPrinter> systemPrinter(const QString& name);

}  // namespace korain
