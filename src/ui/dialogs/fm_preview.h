// The drawing's print preview: the sheet as it will print, in colour or in
// black and white, printed or copied to the clipboard from its menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QDialog>
#include <QPageLayout>
#include <functional>

#include "dialogs/drawing_picture.h"
#include "drawing_print.h"

namespace korain {

class FM_Preview : public QDialog {
  Q_OBJECT

 public:
  // The scene must outlive the window; `printSheet` prints the sheet when
  // "&Print" is chosen.
  FM_Preview(const DrawingScene& scene, const QPageLayout& layout, DrawingPrint print,
             std::function<void()> printSheet, QWidget* parent = nullptr);

  const QImage& picture() const { return picture_->picture(); }

 private:
  QImage sheet(QSize size) const;
  void copyToClipboard() const;

  const DrawingScene& scene_;
  QPageLayout layout_;
  DrawingPrint print_;
  std::function<void()> printSheet_;
  QAction* monochrome_ = nullptr;      // ME_Monochrome
  DrawingPicture* picture_ = nullptr;  // PIC_Section
};

}  // namespace korain
