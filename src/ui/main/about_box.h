// The about box of the Help menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

namespace korain {

// The about box, built but not shown: the product picture, the application
// title, the release version (in debug mode with the source revision it was
// built from), the rules edition and the legal notice, with a Close button.
// The caller owns it.
QDialog* makeAboutBox(QWidget* parent, const QString& title, bool debugMode);

// Shows the about box modally over `parent` until it is closed.
void showAboutBox(QWidget* parent, const QString& title, bool debugMode);

}  // namespace korain
