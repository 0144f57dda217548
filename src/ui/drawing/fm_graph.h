// The drawing window: the section with its bulkheads, zoom and scroll bars,
// the object and the coordinates under the cursor, picking and the export.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include "drawing/section_surface.h"
#include "editor.h"
#include "geometry/picking.h"
#include "view/world_window.h"

namespace korain {

class FM_Graph : public QWidget {
  Q_OBJECT

 public:
  explicit FM_Graph(Editor& editor, QWidget* parent = nullptr);

  // Asks for a repaint, which runs after the windows are filled from the model.
  void refreshDrawing();
  // Shows the full extent framed with the screen margin; the scroll bars are disabled.
  void resetZoom();
  // Zooms in by the preference's factor at (y, z), out with the right button.
  void zoom(Qt::MouseButton button, double y, double z);

  WorldWindow visibleWindow() const { return surface_->shownWindow(); }
  // How near (m) the mouse must come to an object to pick it in the view
  // shown: the preference's mouse tolerance, scaled by the visible width.
  double pickTolerance() const;
  // The world point (y, z) under a pixel of the drawing surface, and back.
  QPointF worldAt(const QPoint& surfacePixel) const;
  QPoint pixelAt(double y, double z) const;

  // The cursor of the drawing follows the display's tool: a magnifier while zooming.
  void applyTool();
  // Asks for a file and writes the whole drawing into it; true when a file was written.
  bool exportDrawing();

 signals:
  void objectTextChanged(const QString& text);
  void positionTextChanged(const QString& text);

 private:
  Session& session() { return editor_.session(); }
  WorldWindow fullExtentNow() const;
  // Changes when the section or the surface changes size: the full extent is framed anew.
  double layoutKey(const WorldWindow& full) const;
  // Frames the full extent for the surface's size and remembers the layout key.
  void frameFullExtent();
  void showWindow(const WorldWindow& window);
  void prepareRepaint();
  void setScrollBars();
  void scrolled();
  void mouseMoved(QPoint pixel);
  void mousePressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  // A click picks one object; with Ctrl it adds a stiffener to the selection
  // or takes it out.
  void pick(QPointF point, Qt::KeyboardModifiers modifiers);
  // A rectangle dragged with Shift selects the stiffeners it reaches.
  void selectWithin(QPoint corner1, QPoint corner2);
  // The object at a point of the world, with the pick settings in force.
  PickCode objectAt(QPointF point, PickTarget& target);
  void setObjectText(const QString& text);

  Editor& editor_;
  SectionSurface* surface_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  WorldWindow full_;
  double layoutKey_ = -1;
  QString objectText_;
};

}  // namespace korain
