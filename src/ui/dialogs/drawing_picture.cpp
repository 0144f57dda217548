// Painting the drawing picture anew for its size.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/drawing_picture.h"

#include <QPainter>

namespace korain {

DrawingPicture::DrawingPicture(Painter paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
  setObjectName("PIC_Section");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(40, 40);
}

void DrawingPicture::redraw() {
  // Painted for the screen's own pixels, however many a point of the window holds.
  const double ratio = devicePixelRatioF();
  picture_ = paint_((QSizeF(size()) * ratio).toSize());
  picture_.setDevicePixelRatio(ratio);
  update();
}

void DrawingPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  // The picture keeps its own proportions (a sheet of paper): centred.
  const QSizeF shown = picture_.deviceIndependentSize();
  painter.drawImage(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                    picture_);
}

void DrawingPicture::resizeEvent(QResizeEvent* /*event*/) { redraw(); }

}  // namespace korain
