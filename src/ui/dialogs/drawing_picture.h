// A picture of the drawing that is painted anew for its size whenever it is
// resized or asked to: the small drawing of the print dialog and the sheet of
// the print preview.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace korain {

class DrawingPicture : public QWidget {
  Q_OBJECT

 public:
  // `paint` makes the picture for the size it is given.
  using Painter = std::function<QImage(QSize)>;

  DrawingPicture(Painter paint, QWidget* parent = nullptr);

  void redraw();
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Painter paint_;
  QImage picture_;
};

}  // namespace korain
