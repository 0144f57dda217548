// Adding the title block and the check legend to a world drawing, beside it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world_title_and_legend.h"

#include <QFontMetricsF>
#include <algorithm>

#include "drawing_style.h"
#include "inch_units.h"
#include "title_block_painter.h"
#include "world_extent.h"

namespace korain {
namespace {

constexpr double kPixelsPerPoint = kScreenDpi / kPointsPerInch;
// Between the drawing and what stands beside it, and between the legend and
// the title block.
constexpr double kGapPoints = 12;
constexpr double kLegendPaddingPoints = 6;
constexpr double kSwatchPoints = 10;
constexpr double kTitleRowPoints = 13;

// Sizes measured in the fonts' pixels (at the screen's resolution) become
// metres at the drawing's scale; y grows to the right, z up.
class Placer {
 public:
  Placer(WorldDrawing& drawing, WorldLayer layer)
      : drawing_(drawing),
        layer_(layer),
        metresPerPixel_(drawing.metresPerPoint / kPixelsPerPoint) {}

  double metres(double pixels) const { return pixels * metresPerPixel_; }
  double points(double count) const { return count * drawing_.metresPerPoint; }

  void box(double left, double top, double width, double height, QColor fill = {}) {
    ContourPath path;
    for (const PlanePoint p :
         {PlanePoint{left, top}, PlanePoint{left + width, top},
          PlanePoint{left + width, top - height}, PlanePoint{left, top - height}}) {
      path.push_back({p, 0});
    }
    drawing_.paths.push_back({layer_, path, true, fill, fill.isValid()});
  }

  void line(PlanePoint from, PlanePoint to) {
    drawing_.paths.push_back({layer_, {{from, 0}, {to, 0}}, false, {}});
  }

  // The text starting at `left`, its capitals centred on `middle`; an empty
  // line leaves its row empty.
  void text(const QString& text, const QFont& font, double left, double middle) {
    if (text.isEmpty()) return;
    const QFontMetricsF metrics(font);
    const double length = metres(metrics.horizontalAdvance(text));
    drawing_.texts.push_back({.text = text,
                              .place = {left, middle},
                              .anchor = TextAnchor::Left,
                              .height = metres(metrics.capHeight()),
                              .length = length,
                              .layer = layer_,
                              .bold = font.bold()});
  }

 private:
  WorldDrawing& drawing_;
  WorldLayer layer_;
  double metresPerPixel_;
};

// Returns the legend's lowest z.
double addLegend(WorldDrawing& drawing, const Legend& legend, const QFont& font, double left,
                 double top) {
  Placer at(drawing, WorldLayer::CheckLegend);
  const QFontMetricsF metrics(font);
  const double row = at.metres(std::max(metrics.height(), 11 * kPixelsPerPoint)) + at.points(3);
  const double padding = at.points(kLegendPaddingPoints);
  const double swatch = at.points(kSwatchPoints);
  double textWidth = 0;
  for (const LegendEntry& entry : legend) {
    textWidth = std::max(textWidth,
                         at.metres(metrics.horizontalAdvance(QString::fromStdString(entry.Text))));
  }
  const double width = swatch + at.points(6) + textWidth + 2 * padding;
  const double height = static_cast<double>(legend.size()) * row + 2 * padding;
  at.box(left, top, width, height);
  double rowTop = top - padding;
  for (const LegendEntry& entry : legend) {
    const double middle = rowTop - row / 2;
    // "No bracket" has no colour of its own: an empty swatch.
    const QColor colour = entry.Colour == 0
                              ? QColor()
                              : QColor::fromRgb(static_cast<QRgb>(entry.Colour) | 0xFF000000U);
    at.box(left + padding, middle + swatch / 2, swatch, swatch, colour);
    at.text(QString::fromStdString(entry.Text), font, left + padding + swatch + at.points(6),
            middle);
    rowTop -= row;
  }
  return top - height;
}

// The eight lines and the scale, each in a row of its own under the one
// before, set as the printed title block sets them (metres).
struct TitleRows {
  std::vector<TitleLineFit> fits;
  std::vector<double> heights;
  double padding = 0;
  double width = 0;
  double height = 0;
};

TitleRows titleRows(const TitleBlock& block, const QString& fontName, const Placer& at) {
  // The makers' cells each take a row of their own, "Drawn by: J. Doe", set
  // like the scale's row, which follows them.
  std::vector<QString> texts;
  for (const std::string& line : block.Lines) texts.push_back(QString::fromStdString(line));
  for (const TitleBlockCell& cell : block.Cells) {
    texts.push_back(QString::fromStdString(cell.Label + ": " + cell.Value));
  }
  texts.push_back(QString::fromStdString(block.Scale));
  const double boxWidth = titleBlockSize(block, fontName, kPixelsPerPoint).width();
  TitleRows rows;
  rows.width = at.metres(boxWidth);
  rows.padding = at.metres(boxWidth - titleLineWidthPoints() * kPixelsPerPoint) / 2;
  rows.height = 2 * rows.padding;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::size_t style = std::min(i, block.Lines.size());
    rows.fits.push_back(fitTitleBlockLine(texts[i], style, fontName, kPixelsPerPoint));
    const double lines = QFontMetricsF(rows.fits.back().font).lineSpacing() *
                         static_cast<double>(rows.fits.back().lines.size());
    rows.heights.push_back(std::max(at.points(kTitleRowPoints), at.metres(lines) + at.points(2)));
    rows.height += rows.heights.back();
  }
  return rows;
}

void addTitleBlock(Placer& at, const TitleRows& rows, double left, double bottom) {
  const double top = bottom + rows.height;
  at.box(left, top, rows.width, rows.height);
  double rowTop = top - rows.padding;
  for (std::size_t i = 0; i < rows.fits.size(); ++i) {
    const TitleLineFit& fit = rows.fits[i];
    if (i > 0) at.line({left, rowTop}, {left + rows.width, rowTop});
    const double spacing = at.metres(QFontMetricsF(fit.font).lineSpacing());
    double middle =
        rowTop - rows.heights[i] / 2 + spacing * static_cast<double>(fit.lines.size() - 1) / 2;
    for (const QString& line : fit.lines) {
      at.text(line, fit.font, left + rows.padding, middle);
      middle -= spacing;
    }
    rowTop -= rows.heights[i];
  }
}

}  // namespace

void addTitleBlockAndLegend(WorldDrawing& drawing, const std::optional<TitleBlock>& titleBlock,
                            const Legend& legend, const DisplayConfig& labels) {
  const WorldWindow extent = worldExtent(drawing);
  const double left = extent.right() + kGapPoints * drawing.metresPerPoint;
  double free = extent.top();
  if (!legend.empty()) {
    const QFont font = DrawingStyle(labels, kPixelsPerPoint).font(LabelKind::AxisAndStrake);
    free =
        addLegend(drawing, legend, font, left, extent.top()) - kGapPoints * drawing.metresPerPoint;
  }
  if (!titleBlock) return;
  Placer at(drawing, WorldLayer::TitleBlock);
  const TitleRows rows = titleRows(*titleBlock, QString::fromStdString(labels.FontName), at);
  addTitleBlock(at, rows, left, std::min(extent.bottom, free - rows.height));
}

}  // namespace korain
