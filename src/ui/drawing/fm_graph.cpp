// The drawing window: framing, zoom, scroll bars, the texts under the cursor,
// picking and the export of the drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/fm_graph.h"

#include <QApplication>
#include <QGridLayout>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "drawing_export.h"
#include "edit/selection_edits.h"
#include "geometry/picking.h"
#include "main/toolbar_icons.h"
#include "output_folder.h"
#include "text/format_message.h"
#include "text/number_format.h"
#include "view_state.h"
#include "widgets/wait_cursor.h"

namespace korain {
namespace {

// Scroll bar positions are world metres in 1/32 m steps.
constexpr double kScrollUnitsPerMetre = 32;
// The mouse tolerance counts in 600ths of the visible width.
constexpr double kToleranceReferenceWidth = 600;
// Layout keys closer than this count as the same layout.
constexpr double kLayoutKeyTolerance = 0.001;

int scrollPosition(double metres) {
  // Far-off values (a broken arrangement) must not overflow the bar's int positions.
  return static_cast<int>(std::lround(std::clamp(metres * kScrollUnitsPerMetre, -1e9, 1e9)));
}

QString objectTextOf(PickCode code, const PickTarget& target) {
  switch (code) {
    case PickCode::Contour:
      return QString::fromStdString(formatMessage("BulkH ¤", {target.bulkhead}));
    case PickCode::Node:
      return QString::fromStdString(formatMessage("Node ¤ bh ¤", {target.object, target.bulkhead}));
    case PickCode::Strake:
      return QString::fromStdString(
          formatMessage("Band ¤ strk ¤ bh ¤", {target.object, target.subObject, target.bulkhead}));
    case PickCode::StiffenerSpan:
      return QString::fromStdString(
          formatMessage("Sec ¤ span ¤ bh ¤", {target.object, target.subObject, target.bulkhead}));
    case PickCode::PrimaryMember:
      return QString::fromStdString(formatMessage("Prim ¤ bh ¤", {target.object, target.bulkhead}));
    case PickCode::Nothing:
      break;
  }
  return {};
}

}  // namespace

FM_Graph::FM_Graph(Editor& editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      surface_(new SectionSurface(editor.session(), this)),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName(QStringLiteral("FM_Graph"));
  horizontal_->setObjectName(QStringLiteral("HS_Section"));
  vertical_->setObjectName(QStringLiteral("VS_Section"));
  // z grows upwards: the top of the bar is the top of the section.
  vertical_->setInvertedAppearance(true);
  vertical_->setInvertedControls(true);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(surface_, 0, 0);
  layout->addWidget(vertical_, 0, 1);
  layout->addWidget(horizontal_, 1, 0);
  horizontal_->setEnabled(false);
  vertical_->setEnabled(false);

  connect(surface_, &SectionSurface::aboutToPaint, this, &FM_Graph::prepareRepaint);
  connect(surface_, &SectionSurface::resized, this, &FM_Graph::resetZoom);
  connect(surface_, &SectionSurface::mouseMovedTo, this, &FM_Graph::mouseMoved);
  connect(surface_, &SectionSurface::mousePressedAt, this, &FM_Graph::mousePressed);
  connect(surface_, &SectionSurface::rectangleChosen, this, &FM_Graph::selectWithin);
  connect(horizontal_, &QScrollBar::valueChanged, this, &FM_Graph::scrolled);
  connect(vertical_, &QScrollBar::valueChanged, this, &FM_Graph::scrolled);
  applyTool();
}

void FM_Graph::refreshDrawing() {
  // Only schedules the paint: the event loop runs it once the windows are
  // filled, so a refresh of the whole view ends with the drawing following it.
  surface_->update();
}

void FM_Graph::resetZoom() {
  frameFullExtent();
  surface_->update();
}

void FM_Graph::zoom(Qt::MouseButton button, double y, double z) {
  const double factor = session().run().paths.ZoomFactor;
  if (!(factor > 0)) return;
  showWindow(zoomAt(visibleWindow(), y, z, button == Qt::RightButton ? 1 / factor : factor));
  setScrollBars();
  surface_->update();
}

QPointF FM_Graph::worldAt(const QPoint& surfacePixel) const {
  return surface_->worldToPixel().inverted().map(QPointF(surfacePixel));
}

QPoint FM_Graph::pixelAt(double y, double z) const {
  return surface_->worldToPixel().map(QPointF(y, z)).toPoint();
}

void FM_Graph::applyTool() {
  if (editor_.session().display().Tool == kZoomTool) {
    // Without the magnifier's picture a cross still tells the zoom tool apart.
    const QCursor magnifier = zoomCursor();
    surface_->setCursor(magnifier.pixmap().isNull() ? QCursor(Qt::CrossCursor) : magnifier);
  } else {
    surface_->unsetCursor();
  }
}

bool FM_Graph::exportDrawing() {
  const std::optional<std::string> path = editor_.prompt().askFileName(
      {"Export",
       "Bitmap (*.bmp)|*.bmp|PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document "
       "(*.pdf)|*.pdf|DXF drawing in metres (*.dxf)|*.dxf",
       "bmp", outputFolder(session().run().paths.ExportPath, session().database().DatabasePath),
       true});
  if (!path) return false;
  if (!exportFormatOf(*path)) {
    editor_.prompt().showMessage("The drawing cannot be exported to " + *path +
                                 ": only .bmp, .png, .svg, .pdf and .dxf files can be written.");
    return false;
  }
  ExportRequest request;
  request.path = *path;
  // The picture has the size of the drawing on screen.
  request.size = surface_->size();
  // The exported drawing is issued: it carries the dimension chains.
  const DrawingScene shown = surface_->scene();
  DisplayOptions display = shown.options;
  display.DisplayWord = issuedDisplayWord(display.DisplayWord);
  const DrawingScene scene{shown.arrangement, shown.section, shown.ship, display, shown.labels};
  std::string error;
  bool written = false;
  {
    const WaitCursor hourglass;
    written = korain::exportDrawing(request, scene, error);
  }
  if (!written) {
    editor_.prompt().showMessage("The drawing could not be written to " + *path + ": " + error);
  }
  return written;
}

WorldWindow FM_Graph::fullExtentNow() const {
  const DrawingScene scene = surface_->scene();
  return fullExtent(scene.arrangement, scene.section, scene.ship);
}

double FM_Graph::layoutKey(const WorldWindow& full) const {
  return full.width + full.height + surface_->width() + surface_->height();
}

void FM_Graph::frameFullExtent() {
  full_ = fullExtentNow();
  layoutKey_ = layoutKey(full_);
  const QSize size = surface_->size();
  showWindow(frameWindow(full_, session().screen().Margin,
                         static_cast<double>(std::max(1, size.width())) /
                             static_cast<double>(std::max(1, size.height()))));
  setScrollBars();
}

void FM_Graph::showWindow(const WorldWindow& window) { surface_->setShownWindow(window); }

double FM_Graph::pickTolerance() const {
  return editor_.session().run().paths.MouseTolerance * visibleWindow().width /
         kToleranceReferenceWidth;
}

void FM_Graph::prepareRepaint() {
  if (std::abs(layoutKey(fullExtentNow()) - layoutKey_) >= kLayoutKeyTolerance) frameFullExtent();
}

void FM_Graph::setScrollBars() {
  const WorldWindow shown = visibleWindow();
  const bool zoomed = isZoomed(shown, full_);
  const QSignalBlocker blockHorizontal(horizontal_);
  const QSignalBlocker blockVertical(vertical_);
  horizontal_->setRange(scrollPosition(shown.left), scrollPosition(shown.right()));
  horizontal_->setPageStep(std::max(1, scrollPosition(shown.width / 4)));
  horizontal_->setValue(scrollPosition(shown.centreY()));
  vertical_->setRange(scrollPosition(shown.bottom), scrollPosition(shown.top()));
  vertical_->setPageStep(std::max(1, scrollPosition(shown.height / 4)));
  vertical_->setValue(scrollPosition(shown.centreZ()));
  horizontal_->setEnabled(zoomed);
  vertical_->setEnabled(zoomed);
}

void FM_Graph::scrolled() {
  if (editor_.refreshing()) return;
  showWindow(zoomAt(visibleWindow(), horizontal_->value() / kScrollUnitsPerMetre,
                    vertical_->value() / kScrollUnitsPerMetre, 1));
  surface_->update();
}

void FM_Graph::mouseMoved(QPoint pixel) {
  const QPointF world = worldAt(pixel);
  emit positionTextChanged(QString::fromStdString(formatNumber(world.x(), "#0.00") + "," +
                                                  formatNumber(world.y(), "#0.00")));
  PickTarget target;
  const PickCode code = objectAt(world, target);
  setObjectText(objectTextOf(code, target));
}

void FM_Graph::mousePressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  const QPointF world = worldAt(pixel);
  if (session().display().Tool == kZoomTool) {
    zoom(button, world.x(), world.y());
  } else if (button == Qt::LeftButton && modifiers.testFlag(Qt::ShiftModifier)) {
    surface_->startRectangle(pixel);
  } else {
    pick(world, modifiers);
  }
}

void FM_Graph::pick(QPointF point, Qt::KeyboardModifiers modifiers) {
  PickTarget target;
  const PickCode code = objectAt(point, target);
  PanelCode panel = session().display().CurrentPanel;
  const auto select = modifiers.testFlag(Qt::ControlModifier) ? togglePicked : selectPicked;
  Selection moved = selectionOf(session().arrangement());
  panel = select(moved, session().arrangement(), code, target, panel);
  session().moveSelection(moved, Follow::Nothing);
  session().showPanel(panel, Follow::Panel | Follow::Menus | Follow::Redraw);
}

void FM_Graph::selectWithin(QPoint corner1, QPoint corner2) {
  const QPointF world1 = worldAt(corner1);
  const QPointF world2 = worldAt(corner2);
  PanelCode panel = session().display().CurrentPanel;
  Selection moved = selectionOf(session().arrangement());
  panel = selectStiffenersWithin(moved, session().arrangement(), {world1.x(), world1.y()},
                                 {world2.x(), world2.y()}, panel);
  session().moveSelection(moved, Follow::Nothing);
  session().showPanel(panel, Follow::Panel | Follow::Menus | Follow::Redraw);
}

PickCode FM_Graph::objectAt(QPointF point, PickTarget& target) {
  const Session& current = session();
  return findObject(current.arrangement(), {point.x(), point.y()}, pickTolerance(),
                    current.display().ObjectMask, current.display().CurrentPanel, target);
}

void FM_Graph::setObjectText(const QString& text) {
  if (text == objectText_) return;
  objectText_ = text;
  emit objectTextChanged(text);
}

}  // namespace korain
