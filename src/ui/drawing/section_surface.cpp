// The drawing surface of the drawing window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/section_surface.h"

#include <QMouseEvent>
#include <QPainter>

#include "inch_units.h"
#include "world_transform.h"

namespace korain {

SectionSurface::SectionSurface(Session& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      rectangle_(new QRubberBand(QRubberBand::Rectangle, this)) {
  setObjectName(QStringLiteral("PIC_Section"));
  // The object and the coordinates under the cursor follow it without a button down.
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(40, 40);
}

DrawingScene SectionSurface::scene() const {
  const Section* section = session_.hullSection();
  return {session_.arrangement(), section, session_.ship(), session_.display(), session_.screen()};
}

QTransform SectionSurface::worldToPixel() const { return worldToDevice(shown_, QRectF(rect())); }

void SectionSurface::paintEvent(QPaintEvent* /*event*/) {
  emit aboutToPaint();
  QPainter painter(this);
  const EditedArrangement& edited = session_.edited();
  std::vector<std::uint64_t> versions;
  versions.reserve(static_cast<std::size_t>(edited.arrangement().Bulkheads.count()));
  for (int i = 1; i <= edited.arrangement().Bulkheads.count(); ++i) {
    versions.push_back(edited.versionOf(i));
  }
  // Line weights and labels are in points: the screen's resolution turns them into pixels.
  drawing_.paint(painter, QRectF(rect()), shown_, scene(), logicalDpiY() / kPointsPerInch,
                 versions);
}

void SectionSurface::startRectangle(QPoint corner) {
  rectangleStart_ = corner;
  rectangle_->setGeometry(QRect(corner, QSize()));
  rectangle_->show();
}

void SectionSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pixel = event->position().toPoint();
  if (rectangle_->isVisible()) rectangle_->setGeometry(QRect(rectangleStart_, pixel).normalized());
  emit mouseMovedTo(pixel);
}

void SectionSurface::mousePressEvent(QMouseEvent* event) {
  emit mousePressedAt(event->position().toPoint(), event->button(), event->modifiers());
}

void SectionSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (!rectangle_->isVisible()) return;
  rectangle_->hide();
  emit rectangleChosen(rectangleStart_, event->position().toPoint());
}

void SectionSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

}  // namespace korain
