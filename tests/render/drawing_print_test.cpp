// The drawing printed on one sheet: the title block's lines in the PDF's
// text, the paper's size and landscape, the normalised scale stated, and the
// clipboard's picture and SVG.
#include "drawing_print.h"

#include <gtest/gtest.h>

#include <QDir>
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

TitleBlock sampleTitleBlock() {
  TitleBlock block;
  block.Lines = {"Korain version 1.0", "Date : 06/12/2026",   "Ocean Star", "Title line four",
                 "Drawing 7",          "Section at X = 88 m", "Bulkhead",   "engineer yard"};
  return block;
}

class DrawingPrintTest : public ::testing::Test {
 protected:
  QString pdf(const char* name) const { return dir_.filePath(name); }
  bool print(const QString& path, QPageSize::PageSizeId paper, PrintScale scale) {
    error_.clear();
    return printDrawingToPdf(path.toStdString(), drawingPageLayout(QPageSize(paper)),
                             {.titleBlock = sampleTitleBlock(), .scale = scale}, example_.scene(),
                             error_);
  }

  ExampleScene example_{1};
  QTemporaryDir dir_;
  std::string error_;
};

TEST_F(DrawingPrintTest, ThePdfHoldsTheTitleBlockOnThePaperInLandscapeAndTheScaleOnlyWhenAsked) {
  const struct {
    const char* name;
    QPageSize::PageSizeId paper;
    PrintScale scale;
    QSizeF points;
  } cases[] = {{"a4.pdf", QPageSize::A4, PrintScale::Fitted, {841.89, 595.28}},
               {"a3.pdf", QPageSize::A3, PrintScale::Normalised, {1190.55, 841.89}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(print(pdf(c.name), c.paper, c.scale)) << error_;
    const QString text = runTool("pdftotext", {pdf(c.name), "-"});
    for (const std::string& line : sampleTitleBlock().Lines) {
      EXPECT_TRUE(text.contains(QString::fromStdString(line))) << line;
    }
    const bool normalised = c.scale == PrintScale::Normalised;
    EXPECT_EQ(text.contains("Scale 1:"), normalised);
    EXPECT_EQ(QRegularExpression(R"(Scale 1:\d+)").match(text).hasMatch(), normalised)
        << text.toStdString();
    const QSizeF size = pageSizeOf(pdf(c.name));
    EXPECT_NEAR(size.width(), c.points.width(), 1);
    EXPECT_NEAR(size.height(), c.points.height(), 1);
  }
}

TEST_F(DrawingPrintTest, TheClipboardGetsAPictureAndTheSameDrawingAsSvg) {
  const std::unique_ptr<QMimeData> data =
      drawingMimeData({640, 400}, sampleTitleBlock(), example_.scene());
  ASSERT_TRUE(data->hasImage());
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(640, 400));
  ASSERT_TRUE(data->hasFormat(kSvgMimeType));
  const QString svg = QString::fromUtf8(data->data(kSvgMimeType));
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("Title line four"));
  // Without a title block the drawing alone.
  const std::unique_ptr<QMimeData> plain = drawingMimeData({640, 400}, {}, example_.scene());
  EXPECT_FALSE(QString::fromUtf8(plain->data(kSvgMimeType)).contains("Title line four"));
}

}  // namespace
}  // namespace korain::testing
