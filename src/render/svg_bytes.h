// A picture painted into SVG bytes: the export, the clipboard and the
// drawing preview's copy make their SVG the same way.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

namespace korain {

// An SVG of `size` pixels (its view box the same) at `dotsPerInch`, titled
// `title`, with what `paint` draws on it.
QByteArray svgBytes(QSize size, int dotsPerInch, const QString& title,
                    const std::function<void(QPainter&)>& paint);

}  // namespace korain
