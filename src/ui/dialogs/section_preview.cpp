// Painting a block's outline, or nothing, in the database dialogs' preview.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/section_preview.h"

#include <QPainter>
#include <algorithm>

#include "arrangement_painter.h"
#include "inch_units.h"
#include "view/display_options.h"
#include "view/world_window.h"

namespace korain {
namespace {

// The picture is small: a narrow margin keeps the outline as large as possible.
constexpr double kMarginPercent = 10;

}  // namespace

SectionPreview::SectionPreview(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 200);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SectionPreview::showSection(const Section& section, const ShipData& ship) {
  section_ = section;
  ship_ = ship;
  update();
}

void SectionPreview::clearPreview() {
  section_.reset();
  update();
}

void SectionPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF area = rect();
  if (!section_) {
    painter.fillRect(area, Qt::white);
    return;
  }
  // Only the outline: no bulkheads of its own, and neither axes nor labels,
  // which would crowd a picture this size.
  const Arrangement none;
  DisplayOptions options;
  options.DisplayWord = 0;
  const DrawingScene scene{none, &*section_, ship_, options, labels_};
  const WorldWindow window = frameWindow(fullExtent(none, &*section_, ship_), kMarginPercent,
                                         area.width() / std::max(1.0, area.height()));
  paintArrangement(painter, area, window, scene, logicalDpiX() / kPointsPerInch);
}

}  // namespace korain
