// Where the user manual is found and how its first page reaches the desktop's browser.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDesktopServices>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace korain {

// The places the manual's first page may be, most wanted first: the installed
// manual beside the program (../share/doc/korain/manual), then the one built
// in the build tree, for a program run where it was built.
QStringList manualPages(const QString& programFolder);

// The first of the files that exists; empty when none does.
QString firstExistingFile(const QStringList& files);

struct ManualBrowser {
  QStringList pages;  // tried in turn
  // Shows a page in the desktop's browser; false when none could take it.
  std::function<bool(const QUrl&)> open = &QDesktopServices::openUrl;
};

// The browser of the running program: the places beside its executable.
ManualBrowser desktopManualBrowser();

}  // namespace korain
