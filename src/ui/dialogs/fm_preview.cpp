// The drawing's print preview: its sheet painted, printed and copied to the clipboard.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_preview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "inch_units.h"
#include "svg_bytes.h"

namespace korain {
namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

// The paper of the preview, `size` pixels large, as SVG.
QByteArray paperSvg(QSize size, const QPageLayout& layout, const DrawingPrint& print,
                    const DrawingScene& scene) {
  // At the picture's resolution the SVG states the paper's own size.
  const int dotsPerInch = static_cast<int>(std::lround(
      size.width() * kMillimetresPerInch / layout.fullRect(QPageLayout::Millimeter).width()));
  return svgBytes(
      size, dotsPerInch, QString::fromStdString(scene.arrangement.Name),
      [&](QPainter& painter) { paintDrawingPaper(painter, size, layout, print, scene); });
}

}  // namespace

FM_Preview::FM_Preview(const DrawingScene& scene, const QPageLayout& layout, DrawingPrint print,
                       std::function<void()> printSheet, QWidget* parent)
    : QDialog(parent),
      scene_(scene),
      layout_(layout),
      print_(std::move(print)),
      printSheet_(std::move(printSheet)) {
  setObjectName("FM_Preview");
  setWindowTitle("Print preview");
  auto* bar = new QMenuBar(this);
  QMenu* action = bar->addMenu("&Action");
  action->setObjectName("ME_Action");
  action->menuAction()->setObjectName("ME_Action");
  connect(item(action, "ME_Print", "&Print"), &QAction::triggered, this, [this] { printSheet_(); });
  connect(item(action, "ME_Copy", "&Copy to Clipboard"), &QAction::triggered, this,
          [this] { copyToClipboard(); });
  monochrome_ = item(action, "ME_Monochrome", "&Monochrome Preview");
  monochrome_->setCheckable(true);
  connect(monochrome_, &QAction::toggled, this, [this] { picture_->redraw(); });
  action->addSeparator();
  connect(item(action, "ME_Quit", "&Quit"), &QAction::triggered, this, &QDialog::reject);

  picture_ = new DrawingPicture([this](QSize size) { return sheet(size); }, this);
  auto* box = new QVBoxLayout(this);
  box->setMenuBar(bar);
  box->addWidget(picture_, 1);
  resize(900, 680);
}

QImage FM_Preview::sheet(QSize size) const {
  return drawingPreview(layout_, size, print_, scene_,
                        monochrome_->isChecked() ? Colouring::Monochrome : Colouring::Colour);
}

void FM_Preview::copyToClipboard() const {
  // Exactly the sheet shown: the picture itself, and for documents that take
  // vectors the same paper painted as SVG at the same size. A monochrome
  // preview goes as its picture alone, since the SVG would be in colour.
  const QImage& shown = picture_->picture();
  auto mime = std::make_unique<QMimeData>();
  mime->setImageData(shown);
  if (!monochrome_->isChecked()) {
    mime->setData(kSvgMimeType, paperSvg(shown.size(), layout_, print_, scene_));
  }
  QGuiApplication::clipboard()->setMimeData(mime.release());
}

}  // namespace korain
