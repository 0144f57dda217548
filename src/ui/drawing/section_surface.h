// The drawing surface of the drawing window: paints the session's arrangement
// over its hull section in the world window it is given, and passes the mouse on.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRubberBand>
#include <QTransform>
#include <QWidget>

#include "arrangement_painter.h"
#include "cached_drawing.h"
#include "session.h"
#include "view/world_window.h"

namespace korain {

class SectionSurface : public QWidget {
  Q_OBJECT

 public:
  explicit SectionSurface(Session& session, QWidget* parent = nullptr);

  // The part of the world shown; it fills the surface as far as its aspect allows.
  const WorldWindow& shownWindow() const { return shown_; }
  // Takes a new window; the caller asks for the repaint.
  void setShownWindow(const WorldWindow& window) { shown_ = window; }
  // What the surface draws: the session's arrangement over its hull section.
  DrawingScene scene() const;
  // World metres onto surface pixels for the shown window.
  QTransform worldToPixel() const;
  // Starts a rectangle at a pixel: it follows the mouse until the button is
  // released, then `rectangleChosen` tells its corners.
  void startRectangle(QPoint corner);

 signals:
  // Sent at the start of every repaint, before anything is drawn, so that the
  // window can be framed anew for the current arrangement and surface size.
  void aboutToPaint();
  void mouseMovedTo(QPoint pixel);
  void mousePressedAt(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void rectangleChosen(QPoint corner1, QPoint corner2);
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Session& session_;
  WorldWindow shown_;
  CachedDrawing drawing_;
  QRubberBand* rectangle_;
  QPoint rectangleStart_;
};

}  // namespace korain
