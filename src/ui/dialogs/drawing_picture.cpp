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
  picture_ = paint_(size());
  update();
}

void DrawingPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  // The picture keeps its own proportions (a sheet of paper): centred.
  const QPoint corner((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
  painter.drawImage(corner, picture_);
}

void DrawingPicture::resizeEvent(QResizeEvent* /*event*/) { redraw(); }

}  // namespace korain
