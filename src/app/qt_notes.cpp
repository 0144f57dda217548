// Qt's own notes on standard error that say nothing to our users.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_notes.h"

#include <QString>
#include <QtGlobal>

namespace korain {
namespace {

// Set once, before the application starts, and only read afterwards.
QtMessageHandler& previousHandler() {
  static QtMessageHandler handler = nullptr;
  return handler;
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  previousHandler()(type, context, message);
}

}  // namespace

void silenceRuntimeFolderNote() {
  if (previousHandler() != nullptr) return;
  previousHandler() = qInstallMessageHandler(filter);
}

}  // namespace korain
