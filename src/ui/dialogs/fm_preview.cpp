// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_preview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QVBoxLayout>

namespace korain {
namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
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
  // The sheet as previewed, at the size of the window's picture, title block
  // included: what the user sees is what pastes.
  const QSize size = picture_->picture().size().expandedTo(QSize(1, 1));
  QGuiApplication::clipboard()->setMimeData(
      drawingMimeData(size, print_.titleBlock, scene_).release());
}

}  // namespace korain
