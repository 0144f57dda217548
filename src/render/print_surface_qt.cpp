// Painting the report with Qt: its fonts, text, lines and pictures, on PDF pages or pictures.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_surface_qt.h"

#include <QPageLayout>
#include <QPen>
#include <algorithm>
#include <utility>

#include "inch_units.h"
#include "pdf_dates.h"

namespace korain {
namespace {

constexpr int kPdfDpi = 600;
// A thin rule, as a printer's one-pixel line would look, but visible on screen.
constexpr double kLineWidthCm = 0.02;

QString qText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont qFont(const PrintFont& font) {
  QFont q(QString::fromStdString(font.Name));
  // Sub- and superscripts of small fonts could go below any size at all.
  q.setPointSizeF(std::max(1.0, font.Size));
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  return q;
}

// A picture records in the resolution that its fonts are sized for: painting
// at that resolution keeps the text in proportion to the page.
double pictureDotsPerCm() { return QPicture().logicalDpiY() / kCentimetresPerInch; }

QRectF pdfArea(const QPageSize& page) {
  const QSizeF sheet = page.size(QPageSize::Millimeter);
  const double dotsPerMm = kPdfDpi / kMillimetresPerInch;
  return {0, 0, (sheet.width() - 2 * kPdfEdgeMm) * dotsPerMm,
          (sheet.height() - 2 * kPdfEdgeMm) * dotsPerMm};
}

}  // namespace

PainterPrintSurface::PainterPrintSurface(SurfaceKind kind, QRectF area, double dotsPerCm)
    : kind_(kind), area_(area), dotsPerCm_(dotsPerCm), font_(qFont(font())) {}

void PainterPrintSurface::beginPainting(QPaintDevice& device) {
  device_ = &device;
  painter_.begin(&device);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setPen(QPen(Qt::black, std::max(1.0, kLineWidthCm * dotsPerCm_), Qt::SolidLine));
  painter_.setBrush(Qt::NoBrush);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setFont(font_);
}

bool PainterPrintSurface::endPainting() {
  if (!painter_.isActive()) return false;
  painter_.end();
  return true;
}

double PainterPrintSurface::textWidth(std::string_view text) const {
  return metrics().horizontalAdvance(qText(text)) / dotsPerCm_;
}

// Every line of a font is as high as any other.
double PainterPrintSurface::textHeight(std::string_view) const {
  return metrics().height() / dotsPerCm_;
}

double PainterPrintSurface::averageCharWidth() const {
  return metrics().averageCharWidth() / dotsPerCm_;
}

void PainterPrintSurface::applyFont(const PrintFont& font) {
  font_ = qFont(font);
  if (painter_.isActive()) painter_.setFont(font_);
}

void PainterPrintSurface::drawTextAt(double x, double y, std::string_view text) {
  // The painter places text by its baseline, the surface by the line's top.
  painter_.drawText(toDevice(x, y) + QPointF(0, metrics().ascent()), qText(text));
}

void PainterPrintSurface::drawLineAt(double x1, double y1, double x2, double y2) {
  painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterPrintSurface::drawRectAt(double x, double y, double width, double height) {
  painter_.drawRect(QRectF(toDevice(x, y), QSizeF(width, height) * dotsPerCm_));
}

void PainterPrintSurface::drawPictureAt(const ReportPicture& picture, double x, double y,
                                        double width, double height) {
  if (!picturePainter_ || !painter_.isActive()) return;
  painter_.save();
  picturePainter_(painter_, picture, QRectF(toDevice(x, y), QSizeF(width, height) * dotsPerCm_));
  painter_.restore();
}

void PainterPrintSurface::pageFinished() {
  if (pageListener_ && !stopped_) stopped_ = !pageListener_(pageNumber());
}

QPointF PainterPrintSurface::toDevice(double x, double y) const {
  return area_.topLeft() + QPointF(x, y) * dotsPerCm_;
}

PdfPrintSurface::PdfPrintSurface(const std::string& path, PdfDocumentInfo info,
                                 const QPageSize& page)
    : PainterPrintSurface(SurfaceKind::Printer, pdfArea(page), kPdfDpi / kCentimetresPerInch),
      path_(path),
      created_(std::move(info.created)),
      writer_(&buffer_) {
  buffer_.open(QIODevice::WriteOnly);
  writer_.setResolution(kPdfDpi);
  writer_.setPageLayout(QPageLayout(page, QPageLayout::Portrait,
                                    QMarginsF(kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm),
                                    QPageLayout::Millimeter));
  writer_.setTitle(QString::fromStdString(info.title));
  writer_.setCreator(QStringLiteral("Korain"));
  setSheet(page.size(QPageSize::Millimeter).width() / 10, kPdfEdgeMm / 10);
  beginPainting(writer_);
}

void PdfPrintSurface::endDocument() {
  if (!endPainting() || stopped()) return;
  written_ = savePdf(path_, buffer_.data(), created_, error_);
}

PreviewPage::PreviewPage(const QPicture& picture, QSizeF sizeCm, double dotsPerCm)
    : picture_(picture), sizeCm_(sizeCm), dotsPerCm_(dotsPerCm) {}

QImage PreviewPage::image(int width) const {
  const double scale = std::max(1, width) / (sizeCm_.width() * dotsPerCm_);
  QImage image(
      QSize(std::max(1, width), std::max(1, qRound(sizeCm_.height() * dotsPerCm_ * scale))),
      QImage::Format_RGB32);
  // The picture's own resolution: its fonts keep the size they were laid out in.
  const int dotsPerMetre = qRound(dotsPerCm_ * 100);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, picture_);
  return image;
}

PreviewPrintSurface::PreviewPrintSurface(QSizeF pageCm)
    : PainterPrintSurface(SurfaceKind::Preview, QRectF(QPointF(0, 0), pageCm * pictureDotsPerCm()),
                          pictureDotsPerCm()),
      pageCm_(pageCm) {
  beginPage();
}

void PreviewPrintSurface::endDocument() {
  if (endPainting()) pages_.emplace_back(page_, pageCm_, pictureDotsPerCm());
}

void PreviewPrintSurface::startPage() {
  pageFinished();
  endDocument();
  beginPage();
}

void PreviewPrintSurface::beginPage() {
  page_ = QPicture();
  beginPainting(page_);
}

}  // namespace korain
