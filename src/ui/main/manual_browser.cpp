// Finding the user manual's first page and opening it in the desktop's browser.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/manual_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korain {

QStringList manualPages(const QString& programFolder) {
  QStringList pages;
  if (!programFolder.isEmpty()) {
    pages << QDir::cleanPath(programFolder + "/../share/doc/korain/manual/index.html");
  }
  pages << QStringLiteral(KORAIN_BUILT_MANUAL);
  return pages;
}

QString firstExistingFile(const QStringList& files) {
  for (const QString& file : files) {
    if (QFileInfo(file).isFile()) return file;
  }
  return {};
}

ManualBrowser desktopManualBrowser() {
  return {.pages = manualPages(QCoreApplication::applicationDirPath())};
}

}  // namespace korain
