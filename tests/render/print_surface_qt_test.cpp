// The report's Qt surfaces: the preview's page pictures and a PDF document.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_surface_qt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "print/page_flow.h"
#include "print/print_headings.h"
#include "print/print_text.h"

namespace korain::testing {
namespace {

int darkPixels(const QImage& image, QRect area) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  return count;
}

// A title, a rule, a label with its value, then a page break and one more line.
void printTwoPages(PrintSurface& surface) {
  PageSetup setup;
  setup.LoginName = "jdoe";
  setup.HeaderLines = {"File : hull.ko2", "Ship : Ocean Star"};
  prepareSurface(surface, setup);
  printSectionTitle(surface, "Bulkhead Arrangement");
  horizontalRule(surface);
  printLabelValue(surface, 1, 50, "Longitudinal location:", 88.5, "###0.000");
  surface.newLine();
  ensureSpace(surface, setup, 200);
  printAt(surface, 1, "Second page");
  finishDocument(surface, setup);
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PrintSurfaceQt, APreviewIsA4PicturesWithTheTextWhereItWasPrintedUntilClosed) {
  PreviewPrintSurface surface;
  surface.setFont({.Name = "Arial", .Size = 10});
  EXPECT_GT(surface.lineHeight(), 0.3);  // 10 points are 0.35 cm
  EXPECT_LT(surface.lineHeight(), 0.7);
  printTwoPages(surface);
  ASSERT_EQ(surface.pages().size(), 2U);
  // Shown at 40 pixels a centimetre.
  const QImage first = surface.pages()[0].image(840);
  EXPECT_EQ(first.size(), QSize(840, 1188));
  // The title (about 16 pixels high) centred on the first line; the rule across the page under it.
  EXPECT_GT(darkPixels(first, QRect(300, 0, 240, 14)), 20);
  EXPECT_EQ(darkPixels(first, QRect(0, 0, 100, 14)), 0);
  EXPECT_GE(darkPixels(first, QRect(0, 14, 840, 12)), 800);
  const QImage second = surface.pages()[1].image(840);
  EXPECT_GT(darkPixels(second, QRect(0, 0, 200, 20)), 10);
  EXPECT_EQ(darkPixels(second, QRect(0, 40, 840, 1148)), 0);
  EXPECT_FALSE(isOutputHidden(surface));
  surface.close();
  EXPECT_TRUE(isOutputHidden(surface));
}

// A page is painted anew for every size it is shown at: the rectangle's corners keep their place
// on the paper at 40 and at 80 pixels a centimetre.
TEST(PrintSurfaceQt, ARectangleIsDrawnWhereItWasAskedAtEverySize) {
  PreviewPrintSurface surface;
  surface.drawRect(1, 2, 3, 1);
  surface.endDocument();
  for (const int perCm : {40, 80}) {
    SCOPED_TRACE(perCm);
    const QImage page = surface.pages().front().image(21 * perCm);
    EXPECT_EQ(page.size(), QSize(21 * perCm, qRound(29.7 * perCm)));
    const auto near = [perCm](double x, double y) {
      return QRect(QPoint(qRound(x * perCm) - 2, qRound(y * perCm) - 2), QSize(5, 5));
    };
    EXPECT_GT(darkPixels(page, near(1, 2)), 0);
    EXPECT_GT(darkPixels(page, near(4, 3)), 0);
    // Not filled.
    EXPECT_EQ(darkPixels(page, QRect(near(1.3, 2.3).topLeft(), near(3.7, 2.7).bottomRight())), 0);
  }
}

TEST(PrintSurfaceQt, APdfReportHasTwoPagesOnA4OrSaysWhyItWasNotWritten) {
  QTemporaryDir directory;
  const QString path = directory.filePath("report.pdf");
  {
    PdfPrintSurface surface(path.toStdString());
    EXPECT_NEAR(surface.width(), 20, 1e-6);  // A4 less 5 mm each side
    printTwoPages(surface);
    EXPECT_EQ(surface.pageNumber(), 2);
    EXPECT_TRUE(surface.written()) << surface.error();
  }
  const QByteArray pdf = fileBytes(path);
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 2);
  PdfPrintSurface nowhere("/nonexistent-folder/report.pdf");
  nowhere.endDocument();
  EXPECT_FALSE(nowhere.written());
  EXPECT_FALSE(nowhere.error().empty());
}

TEST(PrintSurfaceQt, APdfReportStoppedAtItsFirstPageLeavesNoFile) {
  QTemporaryDir directory;
  const QString path = directory.filePath("stopped.pdf");
  std::vector<int> told;
  {
    PdfPrintSurface surface(path.toStdString());
    surface.setPageListener([&told](int page) {
      told.push_back(page);
      return false;
    });
    printTwoPages(surface);
    EXPECT_TRUE(surface.stopped());
    EXPECT_FALSE(surface.isVisible());
    EXPECT_FALSE(surface.written());
  }
  EXPECT_EQ(told, std::vector<int>{1});
  EXPECT_TRUE(QDir(directory.path()).isEmpty());  // neither the file nor a part of it
}

}  // namespace

}  // namespace korain::testing
