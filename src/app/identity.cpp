// The user's login name from the environment and the computer's name from the system.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "identity.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QSysInfo>

namespace korain {

std::string loginName() {
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"USER", "USERNAME", "LOGNAME"}) {
    const QString value = environment.value(QString::fromLatin1(name));
    if (!value.isEmpty()) return value.toStdString();
  }
  // A service or container may set none of them; the home folder is still named after the user.
  const QString home = QDir::home().dirName();
  return home == QStringLiteral(".") ? std::string{} : home.toStdString();
}

std::string computerName() { return QSysInfo::machineHostName().toStdString(); }

}  // namespace korain
