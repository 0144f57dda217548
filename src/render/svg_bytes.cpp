// Painting a picture into SVG bytes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "svg_bytes.h"

#include <QBuffer>
#include <QRect>
#include <QSvgGenerator>

namespace korain {

QByteArray svgBytes(QSize size, int dotsPerInch, const QString& title,
                    const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(dotsPerInch);
  svg.setTitle(title);
  QPainter painter(&svg);
  paint(painter);
  painter.end();
  return bytes;
}

}  // namespace korain
