// Report pages painted with Qt: a PDF document, and page pictures for the
// preview. Lengths are the print surface's centimetres; the painter works in
// device pixels, dotsPerCm of them to the centimetre.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSizeF>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "print/print_surface.h"

namespace korain {

// Draws a report picture into a box of the device, in device pixels.
using PicturePainter = std::function<void(QPainter&, const ReportPicture&, const QRectF&)>;

class PainterPrintSurface : public PrintSurface {
 public:
  // Who draws the report's pictures; without one, a picture's box stays empty.
  void setPicturePainter(PicturePainter painter) { picturePainter_ = std::move(painter); }

  // Told the number of each page finished before the last; answering false
  // stops the printing, and the surface then reads as not visible.
  using PageListener = std::function<bool(int finishedPage)>;
  void setPageListener(PageListener listener) { pageListener_ = std::move(listener); }
  bool stopped() const { return stopped_; }

  SurfaceKind kind() const override { return kind_; }
  double height() const override { return area_.height() / dotsPerCm_; }
  double textWidth(std::string_view text) const override;
  double textHeight(std::string_view text) const override;
  double averageCharWidth() const override;

 protected:
  // `area` is the printable area in the pixels of the devices painted on.
  PainterPrintSurface(SurfaceKind kind, QRectF area, double dotsPerCm);

  // Paints the coming text and lines on `device`: black lines, no fill, text
  // on a transparent background.
  void beginPainting(QPaintDevice& device);
  // A page is finished and the next begins: the listener may stop here.
  void pageFinished();
  // Ends the painting of the device; false when nothing was being painted.
  // The device must not go before its painting has ended.
  bool endPainting();

  double areaWidth() const override { return area_.width() / dotsPerCm_; }
  double sheetWidth() const override { return sheetWidthCm_ > 0 ? sheetWidthCm_ : areaWidth(); }
  double areaLeft() const override { return areaLeftCm_; }
  // The sheet the printable area lies on: its width and the area's left edge
  // from the sheet's, in centimetres.
  void setSheet(double widthCm, double areaLeftCm) {
    sheetWidthCm_ = widthCm;
    areaLeftCm_ = areaLeftCm;
  }
  void applyFont(const PrintFont& font) override;
  void drawTextAt(double x, double y, std::string_view text) override;
  void drawLineAt(double x1, double y1, double x2, double y2) override;
  void drawRectAt(double x, double y, double width, double height) override;
  void drawPictureAt(const ReportPicture& picture, double x, double y, double width,
                     double height) override;

 private:
  QPointF toDevice(double x, double y) const;
  QFontMetricsF metrics() const { return {font_, device_}; }

  SurfaceKind kind_;
  QRectF area_;
  double dotsPerCm_;
  double sheetWidthCm_ = 0;
  double areaLeftCm_ = 0;
  QFont font_;
  QPaintDevice* device_ = nullptr;
  QPainter painter_;
  PicturePainter picturePainter_;
  PageListener pageListener_;
  bool stopped_ = false;
};

// The edge every page of a PDF file keeps free, as a printer would.
inline constexpr double kPdfEdgeMm = 5;

// What a PDF file states of itself: its title, and the date it was made,
// now when none is given (a fixed date makes the same report the same bytes).
struct PdfDocumentInfo {
  std::string title;
  std::optional<QDateTime> created;
};

// A printed report written as a PDF file. The printable area keeps 5 mm from
// every edge of the sheet, as a printer would.
class PdfPrintSurface final : public PainterPrintSurface {
 public:
  explicit PdfPrintSurface(const std::string& path, PdfDocumentInfo info = {},
                           const QPageSize& page = QPageSize(QPageSize::A4));
  // A document that was not ended leaves no file behind.
  ~PdfPrintSurface() override { endPainting(); }

  bool isVisible() const override { return !stopped(); }
  // Closes the file; see written(). A stopped document is not kept.
  void endDocument() override;
  // Whether the file was written whole; when not, error() tells why.
  bool written() const { return written_; }
  const std::string& error() const { return error_; }

 protected:
  void startPage() override {
    pageFinished();
    writer_.newPage();
  }

 private:
  std::string path_;
  std::optional<QDateTime> created_;
  // The document is made in memory and saved whole when it is ended.
  QBuffer buffer_;
  QPdfWriter writer_;
  bool written_ = false;
  std::string error_;
};

// One page of a report's preview, kept as the painting that made it, so that
// it shows sharp at whatever size the preview gives it.
class PreviewPage {
 public:
  // A picture is shared, not copied, between copies of it.
  PreviewPage(const QPicture& picture, QSizeF sizeCm, double dotsPerCm);

  QSizeF sizeCm() const { return sizeCm_; }
  // The page painted anew on white paper `width` device pixels wide, its height in proportion.
  QImage image(int width) const;

 private:
  QPicture picture_;
  QSizeF sizeCm_;
  double dotsPerCm_;  // the resolution the page was painted at
};

// The preview of a report: each page a white sheet, the whole of it printable.
class PreviewPrintSurface final : public PainterPrintSurface {
 public:
  explicit PreviewPrintSurface(QSizeF pageCm = {21.0, 29.7});
  ~PreviewPrintSurface() override { endPainting(); }

  bool isVisible() const override { return visible_ && !stopped(); }
  // The user closed the preview: the report's sections stop printing.
  void close() { visible_ = false; }
  // Hands the last page over to pages().
  void endDocument() override;
  // The finished pages, in order.
  const std::vector<PreviewPage>& pages() const { return pages_; }

 protected:
  void startPage() override;

 private:
  void beginPage();

  QSizeF pageCm_;
  QPicture page_;
  std::vector<PreviewPage> pages_;
  bool visible_ = true;
};

}  // namespace korain
