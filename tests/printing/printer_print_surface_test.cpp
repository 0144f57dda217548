// The report on a printer; one that prints to a PDF file stands in for a real one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer_print_surface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "print/page_flow.h"
#include "print/print_text.h"

namespace korain::testing {

TEST(PrinterPrintSurface, PrintsEveryPageOnThePrinter) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("printed.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  {
    PrinterPrintSurface surface(printer);
    PageSetup setup;
    prepareSurface(surface, setup);
    printAt(surface, 1, "First page");
    ensureSpace(surface, setup, 200);
    printAt(surface, 1, "Second page");
    finishDocument(surface, setup);
    EXPECT_EQ(surface.pageNumber(), 2);
    EXPECT_GT(surface.width(), 15);
  }
  QFile printed(path);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
}

}  // namespace korain::testing
