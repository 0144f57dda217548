// The drawing printed on one sheet with its title block: painted on any
// device, into a PDF file, as a preview picture, and onto the clipboard.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <memory>
#include <optional>
#include <string>

#include "drawing_sheet.h"
#include "view/title_block.h"

namespace korain {

enum class PrintScale { Fitted, Normalised };

struct DrawingPrint {
  TitleBlock titleBlock;
  // Normalised: the section at the standard ratio that fits the sheet, the
  // ratio stated in the title block; fitted: the section fills the sheet.
  // The normalised ratio is the family's first choice for the sheet's size,
  // or, when the drawing does not fit at it, the largest one that fits.
  PrintScale scale = PrintScale::Fitted;
  // A ratio chosen by the user (metres of section per metre of sheet) in
  // place of the normalised one; 0 for none.
  double ratio = 0;
  // The date a PDF states (reproducible output); now when none.
  std::optional<QDateTime> created{};
};

// A drawing sheet is landscape unless the printer was turned by the user.
QPageLayout drawingPageLayout(const QPageSize& paper);

// Paints the sheet into `sheet` (device pixels at `dotsPerInch`), which
// stands for the printable area of the paper: the normalised scale is chosen
// for that area's size in centimetres.
void paintDrawingPrint(QPainter& painter, const QRectF& sheet, double dotsPerInch,
                       const DrawingPrint& print, const DrawingScene& scene);

// A scale at which the drawing does not fit its sheet: the ratio asked, and
// the largest standard ratio at which it fits (none when it fits at none).
struct ScaleMisfit {
  double ratio = 0;
  std::optional<double> largestThatFits;
};

// Whether the drawing, at the scale the print asks for (the user's ratio, or
// the family's first choice of a normalised one), overflows the sheet of
// `layout`; a drawing fitted to the sheet never does. A user's ratio that
// does is refused; a normalised one is replaced by the largest that fits.
std::optional<ScaleMisfit> scaleMisfit(const QPageLayout& layout, const DrawingPrint& print,
                                       const DrawingScene& scene);

// The ratio the sheet of `layout` is printed at; 0 for a fitted drawing.
double printedRatio(const QPageLayout& layout, const DrawingPrint& print,
                    const DrawingScene& scene);

// What the user is told: the paper, the scale asked and the one to take.
std::string misfitText(const ScaleMisfit& misfit, const QPageSize& paper);

// Writes the sheet as a one-page PDF file of `layout`; nothing is left behind
// on failure.
bool printDrawingToPdf(const std::string& path, const QPageLayout& layout,
                       const DrawingPrint& print, const DrawingScene& scene, std::string& error);

// The whole paper of `layout`, `size` device pixels large: white, with the
// sheet on its printable area.
void paintDrawingPaper(QPainter& painter, QSize size, const QPageLayout& layout,
                       const DrawingPrint& print, const DrawingScene& scene);

enum class Colouring { Colour, Monochrome };

// The whole paper of `layout` with the sheet on its printable area, in a
// picture as large as fits `bounds`; monochrome shows it in shades of grey,
// as a black and white printer gives it.
QImage drawingPreview(const QPageLayout& layout, QSize bounds, const DrawingPrint& print,
                      const DrawingScene& scene, Colouring colouring);

// The drawing for the clipboard: a picture of `size` pixels and the same
// drawing as SVG ("image/svg+xml"), which documents that take vectors paste
// sharp. With a title block when `titleBlock` holds one; showing `window`
// when given (the part of the world a zoomed screen shows), else the whole.
std::unique_ptr<QMimeData> drawingMimeData(QSize size, const std::optional<TitleBlock>& titleBlock,
                                           const DrawingScene& scene,
                                           const std::optional<WorldWindow>& window = {});

inline const QString kSvgMimeType = QStringLiteral("image/svg+xml");

}  // namespace korain
