// The editor's pictures, rendered from SVG by hand so that they need no icon-engine plugin.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/toolbar_icons.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are linked from a static library; registering them from here makes the
// linker keep them, since nothing else refers to their data. At global scope, as the
// registration macro requires.
static bool registerIcons() {
  Q_INIT_RESOURCE(icons);
  return true;
}

namespace korain {

QPixmap iconPixmap(const QString& name, int side) {
  [[maybe_unused]] static const bool registered = registerIcons();
  const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
  if (!QFile::exists(path)) return {};
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return QPixmap::fromImage(image);
}

QPixmap picturePixmap(const QString& name) {
  [[maybe_unused]] static const bool registered = registerIcons();
  QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
  if (!renderer.isValid()) return {};
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return QPixmap::fromImage(image);
}

QIcon toolbarIcon(const QString& name) {
  QIcon icon;
  for (const int side : {16, 24, 32, 48}) {
    const QPixmap pixmap = iconPixmap(name, side);
    if (pixmap.isNull()) return {};
    icon.addPixmap(pixmap);
  }
  return icon;
}

QCursor zoomCursor() {
  // The lens is centred at (10, 10) of the picture's 24-unit box.
  constexpr int kSide = 32;
  constexpr int kLensCentre = 10 * kSide / 24;
  return QCursor(iconPixmap(QStringLiteral("zoom"), kSide), kLensCentre, kLensCentre);
}

}  // namespace korain
