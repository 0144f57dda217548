// The editor's pictures: toolbar icons, the product picture and the zoom cursor,
// drawn from the SVG files compiled into the editor.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace korain {

// The picture ":/icons/<name>.svg" as a square pixmap `side` pixels wide; a null
// pixmap when there is no such picture.
QPixmap iconPixmap(const QString& name, int side);

// The picture ":/pictures/<name>.svg" (a sketch beside a panel's fields) at
// its own size; a null pixmap when there is no such picture.
QPixmap picturePixmap(const QString& name);

// The icon ":/icons/<name>.svg" at 16, 24, 32 and 48 pixels; a null icon when
// there is no such picture.
QIcon toolbarIcon(const QString& name);

// The magnifier of the zoom tool, its hot spot in the middle of the lens.
QCursor zoomCursor();

}  // namespace korain
