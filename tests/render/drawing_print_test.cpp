// The drawing printed on one sheet: the title block's lines in the PDF's
// text, the paper's size and landscape, the normalised scale stated, and the
// clipboard's picture and SVG.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_print.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "example_scene.h"

namespace korain::testing {
namespace {

QString runTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  EXPECT_TRUE(process.waitForFinished()) << tool.toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The first page's size in points, as pdfinfo reads it.
QSizeF pageSizeOf(const QString& path) {
  const QString info = runTool("pdfinfo", {path});
  const QRegularExpressionMatch size =
      QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
  EXPECT_TRUE(size.hasMatch()) << info.toStdString();
  return {size.captured(1).toDouble(), size.captured(2).toDouble()};
}

const TitleBlock kTitleBlock{
    .Lines = {"Korain version 1.0", "Date : 06/12/2026", "Ocean Star", "Title line four",
              "Drawing 7", "Section at X = 88 m", "Bulkhead", "engineer yard"},
    .Scale = {}};

TEST(PrintedDrawing, ThePdfHoldsTheTitleBlockOnThePaperInLandscapeAndTheScaleOnlyWhenAsked) {
  const ExampleScene example(1);
  QTemporaryDir folder;
  const struct {
    const char* name;
    QPageSize::PageSizeId paper;
    PrintScale scale;
    QSizeF points;
  } cases[] = {{"a4.pdf", QPageSize::A4, PrintScale::Fitted, {841.89, 595.28}},
               {"a3.pdf", QPageSize::A3, PrintScale::Normalised, {1190.55, 841.89}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString pdf = folder.filePath(c.name);
    std::string error;
    ASSERT_TRUE(printDrawingToPdf(pdf.toStdString(), drawingPageLayout(QPageSize(c.paper)),
                                  {.titleBlock = kTitleBlock, .scale = c.scale}, example.scene(),
                                  error))
        << error;
    const QString text = runTool("pdftotext", {pdf, "-"});
    for (const std::string& line : kTitleBlock.Lines) {
      EXPECT_TRUE(text.contains(QString::fromStdString(line))) << line;
    }
    const bool normalised = c.scale == PrintScale::Normalised;
    EXPECT_EQ(text.contains("Scale 1:"), normalised);
    EXPECT_EQ(QRegularExpression(R"(Scale 1:\d+)").match(text).hasMatch(), normalised)
        << text.toStdString();
    const QSizeF size = pageSizeOf(pdf);
    EXPECT_NEAR(size.width(), c.points.width(), 1);
    EXPECT_NEAR(size.height(), c.points.height(), 1);
  }
}

TEST(PrintedDrawing, TheClipboardGetsAPictureAndTheSameDrawingAsSvg) {
  const ExampleScene example(1);
  const std::unique_ptr<QMimeData> data = drawingMimeData({640, 400}, kTitleBlock, example.scene());
  ASSERT_TRUE(data->hasImage());
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(640, 400));
  ASSERT_TRUE(data->hasFormat(kSvgMimeType));
  const QString svg = QString::fromUtf8(data->data(kSvgMimeType));
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("Title line four"));
  // Without a title block the drawing alone.
  const std::unique_ptr<QMimeData> plain = drawingMimeData({640, 400}, {}, example.scene());
  EXPECT_FALSE(QString::fromUtf8(plain->data(kSvgMimeType)).contains("Title line four"));
}

}  // namespace
}  // namespace korain::testing
