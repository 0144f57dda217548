// korain_manual_pictures FOLDER: the pictures of the user manual, taken of the
// editor's real windows on a copy of the example database, into FOLDER.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "camera.h"
#include "tour.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: korain_manual_pictures FOLDER\n", stderr);
    return 2;
  }
  // No window system is needed, and the user's settings are left alone.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir scratch;
  qputenv("KORAIN_CONFIG_DIR", scratch.path().toLocal8Bit());
  QApplication application(argc, argv);
  QApplication::setApplicationName("Korain");
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString database = scratch.filePath("bulk_carrier.ko2");
  if (!QDir().mkpath(folder) || !QFile::copy(KORAIN_EXAMPLE_DATABASE, database)) {
    std::fprintf(stderr, "%s: cannot be prepared\n", qPrintable(folder));
    return 1;
  }
  korain::pictures::Camera camera(folder);
  korain::pictures::tourEditor(database.toStdString(),
                               scratch.filePath("Tessaly.ini").toStdString(), camera);
  for (const QString& failure : camera.failures()) {
    std::fprintf(stderr, "%s\n", qPrintable(failure));
  }
  return camera.failures().isEmpty() ? 0 : 1;
}
