// Writing the drawing to a file in each format, chosen by the file's suffix.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "drawing_sheet.h"
#include "dxf_writer.h"
#include "inch_units.h"
#include "pdf_dates.h"
#include "saved_file.h"
#include "svg_bytes.h"
#include "view/world_window.h"
#include "world_title_and_legend.h"

namespace korain {
namespace {

constexpr double kPdfDpi = 300;

void paintSheet(QPainter& painter, const QRectF& sheet, double dpi, const ExportRequest& request,
                const DrawingScene& scene) {
  paintDrawingSheet(painter, sheet, dpi,
                    {.titleBlock = request.titleBlock,
                     .scaleRatio = request.scaleRatio,
                     .labels = LabelPolicy::KeepAll},
                    scene);
}

bool exportPicture(const ExportRequest& request, const DrawingScene& scene, const char* format,
                   std::string& error) {
  QImage image(request.size, QImage::Format_RGB32);
  image.setDotsPerMeterX(static_cast<int>(kScreenDpi / kMetresPerInch));
  image.setDotsPerMeterY(static_cast<int>(kScreenDpi / kMetresPerInch));
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paintSheet(painter, QRectF(QPointF(0, 0), request.size), kScreenDpi, request, scene);
  }
  // Encoded in memory first: a file that fails part way is then said by the
  // system's reason, not by the encoder's guess.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format)) {
    error = "the picture cannot be encoded";
    return false;
  }
  return saveBytes(request.path, bytes, error);
}

bool exportSvg(const ExportRequest& request, const DrawingScene& scene, std::string& error) {
  const QByteArray bytes = svgBytes(
      request.size, static_cast<int>(kScreenDpi), QString::fromStdString(scene.arrangement.Name),
      [&](QPainter& painter) {
        paintSheet(painter, QRectF(QPointF(0, 0), request.size), kScreenDpi, request, scene);
      });
  return saveBytes(request.path, bytes, error);
}

bool exportPdf(const ExportRequest& request, const DrawingScene& scene, std::string& error) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(static_cast<int>(kPdfDpi));
    const QSizeF points(request.size.width() * kPointsPerInch / kScreenDpi,
                        request.size.height() * kPointsPerInch / kScreenDpi);
    pdf.setPageSize(QPageSize(points, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(scene.arrangement.Name));
    pdf.setCreator(QStringLiteral("Korain"));
    QPainter painter(&pdf);
    const QRectF sheet(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
    paintSheet(painter, sheet, kPdfDpi, request, scene);
  }
  return savePdf(request.path, bytes, request.created, error);
}

// The title block and the legend stand beside the drawing, as on the sheet.
// The picture a CAD file is laid out on: as many pixels as asked for, in the
// drawing's own proportions, so that the axes and the file's extents end
// near the drawing rather than at the edge of a screen-shaped picture.
QSize cadLayoutSize(const DrawingScene& scene, QSize size) {
  const WorldWindow full = fullExtent(scene.arrangement, scene.section, scene.ship);
  if (full.isEmpty()) return size;
  constexpr int kLeast = 400;
  constexpr int kMost = 20000;
  const double area = static_cast<double>(size.width()) * size.height();
  const double width = std::sqrt(area * full.width / full.height);
  const int w = std::clamp(static_cast<int>(std::lround(width)), kLeast, kMost);
  const int h = std::clamp(static_cast<int>(std::lround(area / w)), kLeast, kMost);
  return {w, h};
}

bool exportDxf(const ExportRequest& request, const DrawingScene& scene, std::string& error) {
  WorldDrawing drawing = worldDrawing(scene, cadLayoutSize(scene, request.size));
  addTitleBlockAndLegend(drawing, request.titleBlock, scene.options.CurrentLegend, scene.labels);
  return writeDxf(request.path, drawing, error);
}

}  // namespace

std::optional<ExportFormat> exportFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "bmp") return ExportFormat::Bmp;
  if (extension == "png") return ExportFormat::Png;
  if (extension == "svg") return ExportFormat::Svg;
  if (extension == "pdf") return ExportFormat::Pdf;
  if (extension == "dxf") return ExportFormat::Dxf;
  return std::nullopt;
}

bool exportDrawing(const ExportRequest& request, const DrawingScene& scene, std::string& error) {
  if (request.size.width() < 1 || request.size.height() < 1) {
    error = "the picture has no size";
    return false;
  }
  const std::optional<ExportFormat> format = exportFormatOf(request.path);
  if (!format) {
    error = "the file name must end in .bmp, .png, .svg, .pdf or .dxf";
    return false;
  }
  switch (*format) {
    case ExportFormat::Bmp:
      return exportPicture(request, scene, "BMP", error);
    case ExportFormat::Png:
      return exportPicture(request, scene, "PNG", error);
    case ExportFormat::Svg:
      return exportSvg(request, scene, error);
    case ExportFormat::Pdf:
      return exportPdf(request, scene, error);
    case ExportFormat::Dxf:
      return exportDxf(request, scene, error);
  }
  return false;
}

}  // namespace korain
