// Painting the drawing's print on a sheet at its scale, into a PDF, a preview and the clipboard.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_print.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "inch_units.h"
#include "pdf_dates.h"
#include "print_surface_qt.h"
#include "svg_bytes.h"
#include "view/print_scale.h"
#include "view/world_window.h"

namespace korain {
namespace {

constexpr double kPdfDpi = 300;
// A paper sheet's margin inside the printer's printable area: 5 mm.
constexpr double kSheetMarginPoints = 5 * kPointsPerInch / kMillimetresPerInch;

// The ratio the print asks for: the user's, the normalised one for the
// sheet, or 0 for a drawing fitted to the sheet.
double askedRatio(const QRectF& sheet, double dotsPerInch, const DrawingPrint& print,
                  const DrawingScene& scene) {
  if (print.ratio > 0) return print.ratio;
  if (print.scale == PrintScale::Fitted) return 0;
  const double centimetresPerPixel = kCentimetresPerInch / dotsPerInch;
  const WorldWindow full = fullExtent(scene.arrangement, scene.section, scene.ship);
  return choosePrintScale(sheet.width() * centimetresPerPixel, sheet.height() * centimetresPerPixel,
                          full.width, full.height, true);
}

// The sheet at `ratio` (0: fitted), its title block stating the scale.
SheetRequest requestAt(const DrawingPrint& print, double ratio) {
  SheetRequest request{.titleBlock = print.titleBlock,
                       .scaleRatio = ratio,
                       .labels = LabelPolicy::KeepAll,
                       .marginPoints = kSheetMarginPoints};
  if (ratio > 0) {
    request.titleBlock->Scale = scaleText(ratio);
  } else {
    request.titleBlock->Scale.clear();
  }
  return request;
}

// The request the print is painted from. The normalised scale is one at
// which the drawing fits: where the sheet's title block and labels leave too
// little room for the first choice, the largest standard scale that fits.
SheetRequest printRequest(const QRectF& sheet, double dotsPerInch, const DrawingPrint& print,
                          const DrawingScene& scene) {
  SheetRequest asked = requestAt(print, askedRatio(sheet, dotsPerInch, print, scene));
  if (print.ratio > 0 || layOutSheet(sheet, dotsPerInch, asked, scene).fits) return asked;
  const std::optional<double> fitting = largestRatioThatFits(sheet, dotsPerInch, asked, scene);
  return fitting ? requestAt(print, *fitting) : asked;
}

// The printable area of the layout's paper, in pixels of a PDF.
QRectF pdfSheet(const QPageLayout& layout) {
  return {QPointF(0, 0), layout.paintRectPixels(static_cast<int>(kPdfDpi)).size()};
}

}  // namespace

QPageLayout drawingPageLayout(const QPageSize& paper) {
  return {paper, QPageLayout::Landscape, QMarginsF(kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm),
          QPageLayout::Millimeter};
}

void paintDrawingPrint(QPainter& painter, const QRectF& sheet, double dotsPerInch,
                       const DrawingPrint& print, const DrawingScene& scene) {
  paintDrawingSheet(painter, sheet, dotsPerInch, printRequest(sheet, dotsPerInch, print, scene),
                    scene);
}

std::optional<ScaleMisfit> scaleMisfit(const QPageLayout& layout, const DrawingPrint& print,
                                       const DrawingScene& scene) {
  const QRectF sheet = pdfSheet(layout);
  const SheetRequest request = requestAt(print, askedRatio(sheet, kPdfDpi, print, scene));
  if (layOutSheet(sheet, kPdfDpi, request, scene).fits) return std::nullopt;
  return ScaleMisfit{request.scaleRatio, largestRatioThatFits(sheet, kPdfDpi, request, scene)};
}

double printedRatio(const QPageLayout& layout, const DrawingPrint& print,
                    const DrawingScene& scene) {
  return printRequest(pdfSheet(layout), kPdfDpi, print, scene).scaleRatio;
}

std::string misfitText(const ScaleMisfit& misfit, const QPageSize& paper) {
  const auto scale = [](double ratio) { return "1:" + std::to_string(std::lround(ratio)); };
  std::string text = "the drawing does not fit on " + paper.name().toStdString() + " paper at " +
                     scale(misfit.ratio) + "; ";
  if (!misfit.largestThatFits) return text + "it fits that sheet at no standard scale";
  return text + "the largest standard scale at which it fits is " + scale(*misfit.largestThatFits);
}

bool printDrawingToPdf(const std::string& path, const QPageLayout& layout,
                       const DrawingPrint& print, const DrawingScene& scene, std::string& error) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(static_cast<int>(kPdfDpi));
    pdf.setPageLayout(layout);
    pdf.setTitle(QString::fromStdString(scene.arrangement.Name));
    pdf.setCreator(QStringLiteral("Korain"));
    QPainter painter(&pdf);
    paintDrawingPrint(painter, QRectF(0, 0, pdf.width(), pdf.height()), kPdfDpi, print, scene);
  }
  return savePdf(path, bytes, print.created, error);
}

void paintDrawingPaper(QPainter& painter, QSize size, const QPageLayout& layout,
                       const DrawingPrint& print, const DrawingScene& scene) {
  const double dotsPerInch =
      size.width() * kMillimetresPerInch / layout.fullRect(QPageLayout::Millimeter).width();
  const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
  const double dotsPerMm = dotsPerInch / kMillimetresPerInch;
  const QRectF sheet(printable.left() * dotsPerMm, printable.top() * dotsPerMm,
                     printable.width() * dotsPerMm, printable.height() * dotsPerMm);
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(sheet.topLeft());
  paintDrawingPrint(painter, QRectF(QPointF(0, 0), sheet.size()), dotsPerInch, print, scene);
  painter.restore();
}

QImage drawingPreview(const QPageLayout& layout, QSize bounds, const DrawingPrint& print,
                      const DrawingScene& scene, Colouring colouring) {
  const QSizeF paper = layout.fullRectPoints().size();
  const QSize size = paper
                         .scaled(QSizeF(std::max(bounds.width(), 1), std::max(bounds.height(), 1)),
                                 Qt::KeepAspectRatio)
                         .toSize()
                         .expandedTo(QSize(1, 1));
  QImage image(size, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    paintDrawingPaper(painter, size, layout, print, scene);
  }
  if (colouring == Colouring::Monochrome) {
    return image.convertToFormat(QImage::Format_Grayscale8);
  }
  return image;
}

std::unique_ptr<QMimeData> drawingMimeData(QSize size, const std::optional<TitleBlock>& titleBlock,
                                           const DrawingScene& scene,
                                           const std::optional<WorldWindow>& window) {
  const QRectF sheet(QPointF(0, 0), size);
  const SheetRequest request{
      .titleBlock = titleBlock, .scaleRatio = 0, .labels = LabelPolicy::KeepAll, .window = window};
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrawingSheet(painter, sheet, kScreenDpi, request, scene);
  }
  const QByteArray svg = svgBytes(
      size, static_cast<int>(kScreenDpi), QString::fromStdString(scene.arrangement.Name),
      [&](QPainter& painter) { paintDrawingSheet(painter, sheet, kScreenDpi, request, scene); });
  auto data = std::make_unique<QMimeData>();
  data->setImageData(image);
  data->setData(kSvgMimeType, svg);
  return data;
}

}  // namespace korain
